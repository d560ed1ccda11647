// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Turns stored setting texts into values and back. A reader that returns nothing means the text
// cannot be converted: the caller then leaves its target as it was.
namespace SettingCodec {

// The leading numeric part: optional blanks, sign, digits and a decimal fraction; 0 when the text
// does not start with a number.
double leadingNumber(const QString &text);
// Like leadingNumber, but nothing when the text holds no number at all.
std::optional<double> leadingNumberIfAny(const QString &text);

bool flagEqualsOne(const QString &text);
// A check box state stored in decimal: 0 or 1; anything else cannot be applied.
std::optional<bool> checkBox(const QString &text);
// A check box read as unticked when its text cannot be applied.
bool checkBoxOrOff(const QString &text);
// A percentage or other small decimal value, rounded halves to even.
int decimalInteger(const QString &text);
// The whole text, blanks around it aside, must be a 32-bit integer.
std::optional<qint32> wholeInteger(const QString &text);
std::optional<bool> booleanWord(const QString &text);
// The window state word: "max" exactly, or anything else for a normal window.
bool maximisedWord(const QString &text);
// A text taken as it stands, either way.
QString plainText(const QString &text);

QString fromCheckBox(bool checked);
QString fromInteger(qint64 value);
QString fromTwips(double twips);
QString fromBoolean(bool value);
QString fromMaximised(bool maximised);

} // namespace SettingCodec
