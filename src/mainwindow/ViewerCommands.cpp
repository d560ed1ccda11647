// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ViewerCommands.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/FileListController.h"
#include "browse/FolderNavigator.h"
#include "core/VersionTitle.h"
#include "mainwindow/SessionState.h"
#include "mainwindow/WindowActions.h"
#include "pictures/PicturePanel.h"
#include "pictures/PicturePosition.h"
#include "pictures/PicturePreloader.h"
#include "pictures/PictureViewer.h"
#include "platform/Prompter.h"
#include "playback/PlaybackOptions.h"

#include <QAction>
#include <QMainWindow>

ViewerCommands::ViewerCommands(QMainWindow &window, const Parts &parts, const SessionState &state,
                               Prompter &prompter, Information information, QObject *parent)
    : QObject(parent), m_window(window), m_parts(parts), m_state(state), m_prompter(prompter),
      m_information(std::move(information)), m_preloader(new PicturePreloader(this))
{
    m_parts.pictures.setPreloader(m_preloader);
    // Another folder's entries.
    connect(m_parts.fileList.items(), &EntryListModel::modelReset, m_preloader, &PicturePreloader::clear);
}

void ViewerCommands::showPicture(const QString &path)
{
    if (m_viewer)
        m_viewer->showPicture(path);
    preload();
}

void ViewerCommands::close()
{
    if (m_viewer)
        m_viewer->reject();
    m_preloader->clear();
}

void ViewerCommands::preload()
{
    const EntryListView *list = &m_parts.fileList;
    const PicturePosition position = PicturePosition::of(list->items()->texts(), list->items()->kinds(),
                                                         list->currentRow(), m_state.types);
    if (position.number == 0) {
        m_preloader->clear();
        return;
    }
    // The next one first: stepping on is what a person mostly does.
    QStringList ahead;
    for (const int row : {position.nextRow, position.previousRow}) {
        if (row >= 0)
            ahead << m_parts.listing.fullPath(row);
    }
    PicturePanel *pictures = &m_parts.pictures;
    m_preloader->follow(pictures->path(), ahead, m_viewer ? m_viewer->decodingPanel() : pictures->size());
}

void ViewerCommands::open()
{
    PicturePanel *pictures = &m_parts.pictures;
    if (m_viewer || pictures->path().isEmpty())
        return;
    if (pictures->showsError()) {
        m_prompter.message(tr("Unable to open the selected file. File may be corrupted!"), ProgramTitle,
                           Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
        return;
    }
    FolderNavigator *navigator = &m_parts.navigator;
    EntryListView *list = &m_parts.fileList;
    PlaybackOptions *options = &m_parts.options;
    PictureViewer::Hooks hooks;
    hooks.chosenName = [list] {
        const int row = list->currentRow();
        return row >= 0 ? list->items()->text(row) : QString();
    };
    hooks.information = [this] { return m_information().join(QLatin1Char('\n')); };
    hooks.position = [this, list] {
        return PicturePosition::of(list->items()->texts(), list->items()->kinds(), list->currentRow(),
                                   m_state.types);
    };
    hooks.chosenIsOnEditList = [list] {
        const int row = list->currentRow();
        return row >= 0 && list->items()->isOnEditList(row);
    };
    const WindowActions *actions = &m_parts.actions;
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
    viewer.setPreloader(m_preloader);
    m_viewer = &viewer;
    // A deletion chooses the next picture before the deleted one has left the list, and a folder
    // watched or still being listed changes under the viewer.
    const EntryListModel *entries = list->items();
    for (auto changed : {&EntryListModel::rowsInserted, &EntryListModel::rowsRemoved})
        connect(entries, changed, &viewer, &PictureViewer::refreshBanner);
    connect(entries, &EntryListModel::modelReset, &viewer, &PictureViewer::refreshBanner);
    connect(entries, &EntryListModel::layoutChanged, &viewer, &PictureViewer::refreshBanner);
    viewer.showPicture(pictures->path());
    preload();
    viewer.exec();
    m_viewer = nullptr;
    // Back to the preview's size.
    preload();
}
