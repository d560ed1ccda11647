// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// For the start-up benchmark: once the window has painted itself for the first time and the
// events waiting behind that paint have been handled, prints "startup-probe" and the wall-clock
// time in nanoseconds, and ends the process at once.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    static void watch(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit StartupProbe(QWidget *window);
    void reportAndExit();

    bool m_painted = false;
};
