#pragma once

#include <QWidget>

class FileCopier;
class QLabel;
class SplitterPane;

// A window that shows every custom control at work, for a developer to look at them:
// `kestrove --demo-controls`.
class ControlsDemo : public QWidget
{
    Q_OBJECT

public:
    explicit ControlsDemo(QWidget *parent = nullptr);

private:
    SplitterPane *m_splitter = nullptr;
    QLabel *m_leftPane = nullptr;
    QLabel *m_rightPane = nullptr;
    FileCopier *m_bar = nullptr;
    int m_progress = 0;
};
