// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class TextProgressBar;
class QLabel;
class QLayout;
class SplitterPane;

// A window that shows every custom control at work, for a developer to look at them:
// `kestrove --demo-controls`.
class ControlGallery : public QWidget
{
    Q_OBJECT

public:
    explicit ControlGallery(QWidget *parent = nullptr);

private:
    QLayout *sliders();
    QLayout *splitter();
    QLayout *buttons();
    QLayout *texts();
    QLayout *progressBar();

    SplitterPane *m_splitter = nullptr;
    QLabel *m_leftPane = nullptr;
    QLabel *m_rightPane = nullptr;
    TextProgressBar *m_bar = nullptr;
    int m_progress = 0;
};
