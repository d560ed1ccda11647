// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createSettingsTest();
QObject *createEditListTest();
QObject *createFolderWalkerTest();
QObject *createM3uFileTest();
QObject *createPathsTest();
QObject *createThumbnailsTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv,
                    {createSettingsTest, createEditListTest, createFolderWalkerTest, createM3uFileTest,
                     createPathsTest, createThumbnailsTest});
}
