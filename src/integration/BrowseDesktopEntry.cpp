// SPDX-License-Identifier: GPL-3.0-or-later
#include "integration/BrowseDesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace BrowseDesktopEntry {

std::optional<QString> execArgument(const QByteArray &executable)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString path = decoder(executable);
    if (decoder.hasError() || path.isEmpty())
        return std::nullopt;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += QLatin1Char('\\');
        if (c == u'%')
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    // The string escapes of the file apply on top of the quoting.
    QString escaped;
    for (const QChar c : std::as_const(quoted)) {
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

std::optional<QString> text(const QByteArray &executable, const QStringList &mimeTypes)
{
    const std::optional<QString> exec = execArgument(executable);
    if (!exec)
        return std::nullopt;
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Browse with Kestrove...\n"
                          "Comment=Browse this folder or media file in Kestrove\n"
                          "Icon=org.kestrove.Kestrove\n"
                          "Exec=%1 %f\n"
                          "MimeType=%2;\n"
                          "NoDisplay=true\n")
        .arg(*exec, mimeTypes.join(QLatin1Char(';')));
}

bool write(const QString &folder, const QByteArray &executable, const QStringList &mimeTypes)
{
    const std::optional<QString> entry = text(executable, mimeTypes);
    if (!entry || !QDir().mkpath(folder))
        return false;
    QSaveFile file(QDir(folder).filePath(FileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = entry->toUtf8();
    return file.write(bytes) == bytes.size() && file.commit();
}

bool remove(const QString &folder)
{
    QFile file(QDir(folder).filePath(FileName));
    return !file.exists() || file.remove();
}

} // namespace BrowseDesktopEntry
