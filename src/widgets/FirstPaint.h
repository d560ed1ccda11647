// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs work once a window has painted itself for the first time and the events queued behind
// that paint have been handled: work that can wait until the window is on screen.
class FirstPaint : public QObject
{
    Q_OBJECT

public:
    static void then(QWidget &window, std::function<void()> work);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstPaint(QWidget &window, std::function<void()> work);

    std::function<void()> m_work;
};
