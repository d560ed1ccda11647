// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createCommandLineTest();
QObject *createTranslationsTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createCommandLineTest, createTranslationsTest});
}
