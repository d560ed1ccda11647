// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createPicturesTest();
QObject *createPictureFactsTest();
QObject *createViewerTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv, {createPicturesTest, createPictureFactsTest, createViewerTest});
}
