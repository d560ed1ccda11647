// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ViewerCommands.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FolderNavigator.h"
#include "core/VersionTitle.h"
#include "mainwindow/SessionState.h"
#include "mainwindow/WindowActions.h"
#include "pictures/PicturePanel.h"
#include "pictures/PictureViewer.h"
#include "platform/Prompter.h"
#include "playback/PlaybackOptions.h"
#include "playback/PlayerPanel.h"

#include <QAction>
#include <QMainWindow>
#include <QPlainTextEdit>

ViewerCommands::ViewerCommands(QMainWindow &window, const MainWindowParts &parts, const SessionState &state,
                               Prompter &prompter, QObject *parent)
    : QObject(parent), m_window(window), m_parts(parts), m_state(state), m_prompter(prompter)
{
}

void ViewerCommands::showPicture(const QString &path)
{
    if (m_viewer)
        m_viewer->showPicture(path);
}

void ViewerCommands::close()
{
    if (m_viewer)
        m_viewer->reject();
}

void ViewerCommands::open()
{
    PicturePanel *pictures = m_parts.player->pictures();
    if (m_viewer || pictures->path().isEmpty())
        return;
    if (pictures->showsError()) {
        m_prompter.message(tr("Unable to open the selected file. File may be corrupted!"), ProgramTitle,
                           Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
        return;
    }
    FolderNavigator *navigator = m_parts.navigator;
    EntryListView *list = m_parts.fileList;
    PlaybackOptions *options = m_parts.playbackOptions;
    PictureViewer::Hooks hooks;
    hooks.chosenName = [list] {
        const int row = list->currentRow();
        return row >= 0 ? list->items()->text(row) : QString();
    };
    hooks.information = [this] { return m_parts.player->fileInformation()->toPlainText(); };
    hooks.chosenIsOnEditList = [list] {
        const int row = list->currentRow();
        return row >= 0 && list->items()->isOnEditList(row);
    };
    const WindowActions *actions = m_parts.actions;
    hooks.addToEditList = [actions] { actions->addToEditList->trigger(); };
    hooks.removeFromEditList = [actions] { actions->removeFromEditList->trigger(); };
    hooks.toggleAutoAdvance = [options] { options->toggleAutoAdvance(); };
    hooks.stopAutoAdvance = [options] { options->setAutoAdvance(false); };
    hooks.nextFile = [navigator] { navigator->goToNextFile(); };
    hooks.previousFile = [navigator] { navigator->goToPreviousFile(); };
    hooks.deleteFile = [actions] { actions->deleteEntry->trigger(); };
    hooks.firstFile = [list] {
        for (int row = 0; row < list->items()->count(); ++row) {
            if (list->items()->kind(row) == ListEntry::Kind::File) {
                list->setCurrentRow(row);
                return;
            }
        }
    };
    hooks.lastFile = [list] {
        if (list->items()->count() > 0)
            list->setCurrentRow(list->items()->count() - 1);
    };
    PictureViewer viewer(hooks, m_state.fitViewer, &m_window);
    m_viewer = &viewer;
    viewer.showPicture(pictures->path());
    viewer.exec();
    m_viewer = nullptr;
}
