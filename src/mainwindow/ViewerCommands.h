// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/MainWindowParts.h"

#include <QObject>

class PictureViewer;
class Prompter;
class QMainWindow;
struct SessionState;

// The full-screen picture viewer as the main window runs it: opened on the picture shown, its keys
// acting on the file list, the EditList and the slide show, handed each new picture, closed when a
// medium is played.
class ViewerCommands : public QObject
{
    Q_OBJECT

public:
    ViewerCommands(QMainWindow &window, const MainWindowParts &parts, const SessionState &state,
                   Prompter &prompter, QObject *parent = nullptr);

    // Opens the viewer on the picture shown, until it is closed; a picture that could not be read
    // gives a message instead.
    void open();
    // Hands an open viewer a new picture.
    void showPicture(const QString &path);
    // Closes an open viewer.
    void close();

private:
    QMainWindow &m_window;
    MainWindowParts m_parts;
    const SessionState &m_state;
    Prompter &m_prompter;
    PictureViewer *m_viewer = nullptr;
};
