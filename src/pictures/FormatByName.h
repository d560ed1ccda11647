// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImageReader;
class QIODevice;
class QString;

// The format a picture's name says it has, tried first: only the image plugin for that format is
// loaded, where finding the format from the contents loads every plugin there is (and the libraries
// behind them) before the first picture shows.
namespace FormatByName {

// Sets the reader to read the device, which holds the file at path, in the format its name gives
// when the contents agree; otherwise in the format found from the contents.
void choose(QImageReader &reader, QIODevice &device, const QString &path);

} // namespace FormatByName
