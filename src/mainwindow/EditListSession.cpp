// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/EditListSession.h"

#include "browse/FileListController.h"
#include "browse/FolderNavigator.h"
#include "core/Paths.h"
#include "core/VersionTitle.h"
#include "editlist/EditListWindow.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/PlaybackCommands.h"
#include "mainwindow/SessionState.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QMainWindow>

EditListSession::EditListSession(Services services, QObject *parent)
    : QObject(parent), m_services(std::move(services))
{
}

EditListWindow *EditListSession::window() const
{
    return m_window;
}

void EditListSession::open()
{
    // The window works on the EditList as it is once entries still leaving have left.
    m_services.parts.listing.finishEditListChanges();
    if (m_window) {
        m_window->show();
        WindowSystem::bringForward(*m_window);
        return;
    }
    QMainWindow &main = m_services.window;
    m_mainWindowState = main.windowState();
    // A Wayland compositor gives a minimised window back only to the person: the main window would
    // stay down when the EditList closes.
    if (m_services.state.minimiseForEditList && WindowSystem::programArrangesWindows())
        main.showMinimized();
    m_window = new EditListWindow({m_services.state.editList, m_services.state.types, m_services.prompter,
                                   m_services.icons, m_services.trash, m_services.playback.playingFile()});
    m_services.commands.setEditListWindow(m_window);
    connect(m_window, &EditListWindow::fileToGiveBack, &m_services.playback, &PlaybackCommands::giveBack);
    connect(m_window, &EditListWindow::closed, this, &EditListSession::closed);
    m_window->show();
}

void EditListSession::closed(const QString &showAfterClose)
{
    m_services.commands.setEditListWindow(nullptr);
    QMainWindow &main = m_services.window;
    main.setWindowState(m_mainWindowState);
    main.show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The list marks follow the EditList as the window left it.
    m_services.parts.navigator.refresh();
    if (!showAfterClose.isEmpty()) {
        if (Paths::fileExists(showAfterClose)) {
            m_services.parts.navigator.openPath(showAfterClose);
        } else {
            QApplication::restoreOverrideCursor();
            m_services.prompter.message(
                tr("The file \"%1\" could not be found!").arg(NativePath::forDisplay(showAfterClose)) +
                    QLatin1String("\r\n") +
                    tr("If the file is located on a CD-ROM, please insert it in the "
                       "correct cd-rom drive, and try "
                       "again."),
                ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    m_services.playback.selectHeldFile();
    m_services.commands.markPlaylist();
    QApplication::restoreOverrideCursor();
    WindowSystem::bringForward(main);
    Q_EMIT windowClosed();
}
