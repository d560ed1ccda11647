// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <initializer_list>

// Runs several test classes in one executable, with the application name and test paths every
// test of the program expects; returns non-zero when any test failed.
using TestFactory = QObject *(*)();
int runTests(int argc, char **argv, std::initializer_list<TestFactory> tests);

// Declares and registers a test class for runTests.
