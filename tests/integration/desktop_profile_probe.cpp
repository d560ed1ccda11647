// SPDX-License-Identifier: GPL-3.0-or-later
// One step of the association, or GIO's answers about default applications, each in a process of
// its own: GIO reads the desktop's lists and entries once per process, from the folders the
// environment names.
//
//   desktop_profile_probe defaults TYPE...        "TYPE=DEFAULT OFFERED;OFFERED;" per type
//   desktop_profile_probe make STORE TYPE...      the status lines
//   desktop_profile_probe remove STORE TYPE...    the status lines left
//
// The association runs over the MIME types themselves as its extensions.
#include "integration/Association.h"
#include "integration/AssociationStore.h"
#include "integration/DefaultApplicationPins.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTextStream>
#include <gio/gio.h>

namespace {

QString defaults(const QString &type)
{
    const QByteArray name = type.toUtf8();
    QString line = type + QLatin1Char('=');
    if (GAppInfo *chosen = g_app_info_get_default_for_type(name.constData(), FALSE)) {
        line += QString::fromUtf8(g_app_info_get_id(chosen));
        g_object_unref(chosen);
    }
    line += QLatin1Char(' ');
    GList *offered = g_app_info_get_all_for_type(name.constData());
    for (GList *item = offered; item; item = item->next)
        line += QString::fromUtf8(g_app_info_get_id(G_APP_INFO(item->data))) + QLatin1Char(';');
    g_list_free_full(offered, g_object_unref);
    return line;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString step = arguments.value(0);
    QTextStream out(stdout);
    if (step == QLatin1String("defaults")) {
        for (const QString &type : arguments.mid(1))
            out << defaults(type) << '\n';
        return 0;
    }
    if ((step != QLatin1String("make") && step != QLatin1String("remove")) || arguments.size() < 3)
        return 2;
    AssociationStore store(arguments.at(1));
    const QStringList types = arguments.mid(2);
    Association association({store, Association::runningExecutable(),
                             QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation),
                             [](const QString &type) { return type; }, DefaultApplicationPins::userLists(),
                             &DefaultApplicationPins::desktopDefault},
                            types);
    QStringList lines = types + QStringList{QStringLiteral("Folder")};
    if (step == QLatin1String("make"))
        lines = association.make();
    else
        association.remove(lines);
    for (const QString &line : std::as_const(lines))
        out << line << '\n';
    return 0;
}
