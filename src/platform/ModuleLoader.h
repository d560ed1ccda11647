// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// The program's modules: shared libraries that each carry one third-party library and are loaded
// the first time they are needed, so that a start that never needs one never loads it (with the
// few hundred libraries some of them bring).
namespace ModuleLoader {

// The folder the modules are looked for in: the installed one for the installed program, the
// build tree's for a program, test or benchmark built beside them, unless another was set.
QString folder();
// Looks for the modules in that folder from now on (a test's, with modules missing or damaged);
// an empty one goes back to the usual folder. Modules loaded from the folder before stay loaded.
void setFolder(const QString &folder);

// The root object of the module of that name, loaded on the first call from any thread and kept
// for the life of the process; nothing when the module is missing or broken, which is logged once.
// Then failure, when given, receives the loader's words on why.
QObject *instance(const QString &name, QString *failure = nullptr);

// Logs that the module does not offer the interface asked of it, and returns the words logged.
QString reportMissingInterface(const QString &name, const char *interfaceId);

// The module's interface of that type; nothing when the module cannot be loaded or lacks it, and
// then failure, when given, receives why.
template <typename Interface> Interface *load(const QString &name, QString *failure = nullptr)
{
    QObject *root = instance(name, failure);
    auto *offered = qobject_cast<Interface *>(root);
    if (root && !offered) {
        const QString missing = reportMissingInterface(name, qobject_interface_iid<Interface *>());
        if (failure)
            *failure = missing;
    }
    return offered;
}

} // namespace ModuleLoader
