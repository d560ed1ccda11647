// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createBrowseTest();
QObject *createFileListTest();
QObject *createFileInformationTest();
QObject *createLiveFolderTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv,
                    {createBrowseTest, createFileListTest, createFileInformationTest, createLiveFolderTest});
}
