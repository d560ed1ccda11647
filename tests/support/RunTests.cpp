// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <memory>

int runTests(int argc, char **argv, std::initializer_list<TestFactory> tests)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kestrove"));
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (TestFactory create : tests) {
        std::unique_ptr<QObject> test(create());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
