// SPDX-License-Identifier: GPL-3.0-or-later
#include "playlist/PlaylistCommands.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "core/M3uFile.h"
#include "core/OffThread.h"
#include "core/Paths.h"
#include "core/VersionTitle.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "playlist/PlaylistPanel.h"
#include "playlist/PlaylistWindow.h"

namespace {

const QStringList PlaylistFilters{QStringLiteral("*.m3u"), QStringLiteral("*.*")};

} // namespace

PlaylistCommands::PlaylistCommands(const Parts &parts, QObject *parent) : QObject(parent), m_parts(parts) {}

void PlaylistCommands::load()
{
    const std::optional<QString> path =
        m_parts.prompter.chooseFile(Prompter::FileDialog::Open, tr("Open playlist"), PlaylistFilters);
    if (path)
        read(*path, AfterRead::SelectPlaying);
}

void PlaylistCommands::open(const QString &path)
{
    read(path, AfterRead::MarkPlaying);
}

void PlaylistCommands::read(const QString &path, AfterRead after)
{
    if (!Paths::fileExists(path)) {
        m_parts.prompter.message(tr("ERROR! File don't exist !"), ProgramTitle, Prompter::Buttons::Ok,
                                 Prompter::Icon::Critical);
        return;
    }
    // Read off the window's thread: a long playlist must not hold the window up. Of lists asked
    // for one after the other, the last one asked for is shown, whichever is read first.
    const int request = ++m_lastRead;
    OffThread::run(
        this, [path] { return M3uFile::read(path); },
        [this, path, after, request](TextLineFile::Contents contents) {
            if (request == m_lastRead)
                show(path, std::move(contents), after);
        });
}

void PlaylistCommands::show(const QString &path, TextLineFile::Contents contents, AfterRead after)
{
    if (const QString problem = m_parts.panel.showFile(std::move(contents)); !problem.isEmpty()) {
        m_parts.prompter.message(
            tr("The playlist %1 cannot be read: %2.").arg(NativePath::forDisplay(path), problem),
            ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Critical);
        return;
    }
    m_parts.entriesChanged();
    if (after == AfterRead::SelectPlaying)
        highlightPlaying();
    else
        markPlaying();
}

void PlaylistCommands::markPlaying()
{
    EntryListModel *entries = m_parts.panel.view()->items();
    // Nothing playing needs no search: finding an entry indexes the whole list first.
    const QString playing = m_parts.playingFile();
    entries->setPlaying(playing.isEmpty() ? -1 : entries->findItem(playing));
}

void PlaylistCommands::saveAs()
{
    if (m_parts.panel.paths().isEmpty()) {
        m_parts.prompter.message(tr("Noting to save !"), ProgramTitle, Prompter::Buttons::Ok,
                                 Prompter::Icon::Exclamation);
        return;
    }
    std::optional<QString> path =
        m_parts.prompter.chooseFile(Prompter::FileDialog::Save, tr("Save playlist"), PlaylistFilters);
    if (!path)
        return;
    if (Paths::extensionOf(*path, false).isEmpty())
        path->append(QLatin1String(".m3u"));
    if (Paths::fileExists(*path) &&
        m_parts.prompter.message(tr("File already exists, overwrite ?"), tr("Overwrite?"),
                                 Prompter::Buttons::OkCancel,
                                 Prompter::Icon::Exclamation) != Prompter::Answer::Ok)
        return;
    // Written off the window's thread from a copy of the entries: the playlist may change
    // meanwhile without changing what is saved.
    OffThread::run(
        this, [path = *path, entries = m_parts.panel.paths()] { return M3uFile::write(path, entries); },
        [this, path = *path](const QString &problem) {
            if (!problem.isEmpty())
                m_parts.prompter.message(
                    tr("The playlist cannot be saved as %1: %2.").arg(NativePath::forDisplay(path), problem),
                    ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Critical);
        });
}

void PlaylistCommands::showOptions()
{
    PlaylistWindow window(m_parts.panel.paths(), m_parts.playingFile(), m_parts.icons, m_parts.window);
    window.exec();
    // Closed in any way, the window's order is the playlist's.
    m_parts.panel.setPaths(window.entries());
    m_parts.entriesChanged();
    highlightPlaying();
}

void PlaylistCommands::highlightPlaying()
{
    EntryListView *view = m_parts.panel.view();
    markPlaying();
    const int playing = view->items()->playing();
    if (playing < 0)
        return;
    view->clearSelection();
    view->setCurrentRow(playing);
}
