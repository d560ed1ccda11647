#include "TestCases.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kestrove"));
    QStandardPaths::setTestModeEnabled(true);
    int failures = 0;
    for (auto create : {createSettingsTest, createFileListTest, createForm1Test}) {
        std::unique_ptr<QObject> test(create());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
