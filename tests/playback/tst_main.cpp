// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunTests.h"

QObject *createMciTest();
QObject *createMpvPlayerTest();
QObject *createPlayRoutineTest();
QObject *createMprisTest();
QObject *createAutoAdvanceTest();
QObject *createMidiTimingTest();
QObject *createMidiCacheTest();
QObject *createSeparatePlaybackTest();
QObject *createMediaFactsTest();
QObject *createCoversTest();
QObject *createPlaybackOptionsTest();
QObject *createScreenSaverHoldTest();

int main(int argc, char **argv)
{
    return runTests(argc, argv,
                    {createMciTest, createPlayRoutineTest, createMprisTest, createMpvPlayerTest,
                     createSeparatePlaybackTest, createMidiTimingTest, createMidiCacheTest,
                     createAutoAdvanceTest, createMediaFactsTest, createCoversTest, createPlaybackOptionsTest,
                     createScreenSaverHoldTest});
}
