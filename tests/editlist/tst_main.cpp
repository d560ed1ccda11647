// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createCopyEngineTest();
QObject *createEditListCommandsTest();
QObject *createEditListWindowTest();
QObject *createJobsTest();

int main(int argc, char **argv)
{
    return runTests(
        argc, argv,
        {createCopyEngineTest, createEditListCommandsTest, createEditListWindowTest, createJobsTest});
}
