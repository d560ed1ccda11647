// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModuleLoader.h"

#include "platform/LogCategories.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPluginLoader>
#include <mutex>

namespace ModuleLoader {

QString folder()
{
    // The running executable, not QCoreApplication's idea of it: a module may be wanted before
    // the application object exists, or on a worker thread.
    const QString executableFolder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
    const QString installedFolder = QDir(QStringLiteral(KESTROVE_INSTALLED_BINDIR)).canonicalPath();
    if (!installedFolder.isEmpty() && executableFolder == installedFolder)
        return QStringLiteral(KESTROVE_INSTALLED_MODULE_DIR);
    return QStringLiteral(KESTROVE_BUILD_MODULE_DIR);
}

QObject *instance(const QString &name)
{
    static std::mutex lock;
    // A module that failed once is not tried again: its failure is logged once.
    static QHash<QString, QObject *> loaded;
    std::lock_guard guard(lock);
    const auto known = loaded.constFind(name);
    if (known != loaded.constEnd())
        return *known;
    const QString file = QDir(folder()).filePath(QStringLiteral("libkestrove_%1.so").arg(name));
    QPluginLoader loader(file);
    QObject *root = loader.instance();
    if (!root)
        qCWarning(logModules).noquote()
            << "The module" << name << "cannot be loaded from" << file << "-" << loader.errorString();
    loaded.insert(name, root);
    return root;
}

void reportMissingInterface(const QString &name, const char *interfaceId)
{
    qCWarning(logModules).noquote() << "The module" << name << "does not offer" << QLatin1String(interfaceId);
}

} // namespace ModuleLoader
