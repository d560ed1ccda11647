// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Clock text "hh:mm:ss" of the whole seconds strictly below the given number of seconds
// (59.5 and 60 both read 00:00:59, 61 reads 00:01:00); below one second "00:00:00".
QString clockText(double seconds);
