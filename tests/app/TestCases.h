#pragma once

#include <QObject>

// The test classes of this executable; tst_main runs them in turn.
QObject *createSettingsTest();
QObject *createForm1Test();
QObject *createFileListTest();
