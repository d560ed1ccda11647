// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createMainWindowTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createMainWindowTest});
}
