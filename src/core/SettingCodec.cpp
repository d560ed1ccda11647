// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SettingCodec.h"

#include "core/Rounding.h"

#include <cmath>
#include <limits>

namespace SettingCodec {

std::optional<double> leadingNumberIfAny(const QString &text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < size && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        ++i;
    qsizetype digits = 0;
    while (i < size && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < size && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < size && text.at(i).isDigit() && text.at(i).unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

double leadingNumber(const QString &text)
{
    return leadingNumberIfAny(text).value_or(0.0);
}

bool flagEqualsOne(const QString &text)
{
    return leadingNumber(text) == 1.0;
}

std::optional<bool> checkBox(const QString &text)
{
    const int value = Rounding::halfEven(leadingNumber(text));
    if (value == 0 || value == 1)
        return value == 1;
    return std::nullopt;
}

bool checkBoxOrOff(const QString &text)
{
    return checkBox(text).value_or(false);
}

int decimalInteger(const QString &text)
{
    return Rounding::halfEven(leadingNumber(text));
}

std::optional<qint32> wholeInteger(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

std::optional<bool> booleanWord(const QString &text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<qint32> number = wholeInteger(word))
        return *number != 0;
    return std::nullopt;
}

bool maximisedWord(const QString &text)
{
    return text == QLatin1String("max");
}

QString plainText(const QString &text)
{
    return text;
}

QString fromCheckBox(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

QString fromInteger(qint64 value)
{
    return QString::number(value);
}

QString fromTwips(double twips)
{
    // Whole twips, written out in full: never an exponent that a reader would cut short.
    return QString::number(std::isfinite(twips) ? qRound64(twips) : 0);
}

QString fromBoolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString fromMaximised(bool maximised)
{
    return maximised ? QStringLiteral("max") : QStringLiteral("normal");
}

} // namespace SettingCodec
