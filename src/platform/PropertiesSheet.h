// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// Shows the properties of a file or folder: the file manager's own window when one answers on
// the session bus, otherwise a window of Kestrove's own.
namespace PropertiesSheet {

void show(const QString &path, QWidget *parent);

} // namespace PropertiesSheet
