// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModuleLoader.h"

#include "platform/LogCategories.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPluginLoader>
#include <mutex>

namespace ModuleLoader {

namespace {

struct Loaded
{
    QObject *root = nullptr;
    QString failure;
};

// Guards the modules loaded and the folder set.
std::mutex &lock()
{
    static std::mutex modules;
    return modules;
}

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

QString usualFolder()
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

QString folderLocked()
{
    const QString &set = chosenFolder();
    return set.isEmpty() ? usualFolder() : set;
}

} // namespace

QString folder()
{
    std::lock_guard guard(lock());
    return folderLocked();
}

void setFolder(const QString &folder)
{
    std::lock_guard guard(lock());
    chosenFolder() = folder;
}

QObject *instance(const QString &name, QString *failure)
{
    // A module that failed once is not tried again: its failure is logged once.
    static QHash<QString, Loaded> loaded;
    std::lock_guard guard(lock());
    const QString file = QDir(folderLocked()).filePath(QStringLiteral("libkestrove_%1.so").arg(name));
    auto known = loaded.constFind(file);
    if (known == loaded.constEnd()) {
        QPluginLoader loader(file);
        Loaded module{loader.instance(), {}};
        if (!module.root) {
            module.failure = loader.errorString();
            qCWarning(logModules).noquote()
                << "The module" << name << "cannot be loaded from" << file << "-" << module.failure;
        }
        known = loaded.insert(file, module);
    }
    if (failure && !known->root)
        *failure = known->failure;
    return known->root;
}

QString reportMissingInterface(const QString &name, const char *interfaceId)
{
    const QString missing =
        QStringLiteral("The module %1 does not offer %2").arg(name, QLatin1String(interfaceId));
    qCWarning(logModules).noquote() << missing;
    return missing;
}

} // namespace ModuleLoader
