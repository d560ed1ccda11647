// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createMpvIpcReaderTest();
QObject *createAreaAverageTest();
QObject *createProcessTreeTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createMpvIpcReaderTest, createAreaAverageTest, createProcessTreeTest});
}
