// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// The program's modules: shared libraries that each carry one third-party library and are loaded
// the first time they are needed, so that a start that never needs one never loads it (with the
// few hundred libraries some of them bring).
namespace ModuleLoader {

// The folder the modules are looked for in: the installed one for the installed program, the
// build tree's for a program, test or benchmark built beside them.
QString folder();

// The root object of the module of that name, loaded on the first call from any thread and kept
// for the life of the process; nothing when the module is missing or broken, which is logged once.
QObject *instance(const QString &name);

// Logs that the module does not offer the interface asked of it.
void reportMissingInterface(const QString &name, const char *interfaceId);

// The module's interface of that type; nothing when the module cannot be loaded or lacks it.
template <typename Interface> Interface *load(const QString &name)
{
    QObject *root = instance(name);
    auto *offered = qobject_cast<Interface *>(root);
    if (root && !offered)
        reportMissingInterface(name, qobject_interface_iid<Interface *>());
    return offered;
}

} // namespace ModuleLoader
