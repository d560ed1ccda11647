// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunTests.h"

QObject *createCopyEngineTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createCopyEngineTest});
}
