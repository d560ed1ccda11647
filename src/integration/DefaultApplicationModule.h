// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtPlugin>

// What the desktop's file library answers about default applications.
class DefaultApplicationModule
{
public:
    virtual ~DefaultApplicationModule() = default;

    // The desktop entry ("viewer.desktop") that opens the MIME type by default now, as the
    // desktop decides it from every list of defaults and every installed entry; empty when no
    // program opens the type.
    virtual QString defaultApplication(const QString &mimeType) = 0;
};

Q_DECLARE_INTERFACE(DefaultApplicationModule, "org.kestrove.DefaultApplicationModule/1")
