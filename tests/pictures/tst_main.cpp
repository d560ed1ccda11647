// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createPicturesTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createPicturesTest});
}
