// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <initializer_list>

// A data row whose leading columns are texts, written on one line; further columns follow with <<.
inline QTestData &textRow(const char *name, std::initializer_list<const char *> texts)
{
    QTestData &row = QTest::newRow(name);
    for (const char *text : texts)
        row << text;
    return row;
}
