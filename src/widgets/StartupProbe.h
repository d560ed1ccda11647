// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

// For the start-up benchmark: once the window has painted itself for the first time and the
// events waiting behind that paint have been handled, prints "startup-probe" and the wall-clock
// time in nanoseconds, and ends the process at once, after keeping (beforeExit) what a normal end
// would have kept for the next start.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    static void watch(QWidget &window, std::function<void()> beforeExit = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    StartupProbe(QWidget *window, std::function<void()> beforeExit);
    void reportAndExit();

    std::function<void()> m_beforeExit;
    bool m_painted = false;
};
