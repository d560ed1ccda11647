// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

// The subject test of this executable: each tst_<subject>.cpp makes its own.
QObject *createWindowTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createWindowTest});
}
