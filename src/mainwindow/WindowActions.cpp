// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/WindowActions.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace {

QAction *command(QWidget *window, const char *name, const QString &text, const QList<QKeySequence> &keys = {},
                 Qt::ShortcutContext context = Qt::WindowShortcut)
{
    auto *action = new QAction(text, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    if (context == Qt::WindowShortcut)
        window->addAction(action);
    return action;
}

QAction *listKey(QWidget *window, const char *name, const QString &text, const QList<QKeySequence> &keys)
{
    return command(window, name, text, keys, Qt::WidgetShortcut);
}

} // namespace

WindowActions::WindowActions(QWidget *window)
    : QObject(window), goUp(command(window, "goUp", tr("Up one folder"))),
      playInSeparateWindow(command(window, "playInSeparateWindow", tr("Play in a separate window"))),
      fullScreenVideo(command(window, "fullScreenVideo", tr("Video on the whole screen"))),
      openInDefaultProgram(command(window, "openInDefaultProgram", tr("Open in the default program"))),
      preferences(
          command(window, "preferences", tr("Preferences"), {QKeySequence(Qt::CTRL | Qt::Key_Comma)})),
      showPlayingFile(command(window, "showPlayingFile", tr("Show the playing file"))),
      openEditList(command(window, "openEditList", tr("Open EditList"))),
      playInPlayerWindow(command(window, "playInPlayerWindow", tr("Play in the media player window"))),
      about(command(window, "about", tr("About Kestrove"), {QKeySequence(Qt::Key_F1)})),
      playInSeparateWindowFromStart(
          command(window, "playInSeparateWindowFromStart", tr("Play in a separate window from the start"))),
      playInPlayerWindowFromStart(command(window, "playInPlayerWindowFromStart",
                                          tr("Play in the media player window from the start"))),
      loadPlaylist(command(window, "loadPlaylist", tr("LOAD"))),
      playlistToEditList(command(window, "playlistToEditList", tr("ADD TO EDITLIST"))),
      clearPlaylist(command(window, "clearPlaylist", tr("CLEAR ALL"))),
      clearPlaylistSelection(command(window, "clearPlaylistSelection", tr("CLEAR SEL"))),
      savePlaylist(command(window, "savePlaylist", tr("SAVE AS"))),
      playlistOptions(command(window, "playlistOptions", tr("OPTIONS"))),
      sendMciCommand(command(window, "sendMciCommand", tr("SEND MCI  COMMAND"))),
      scaleToFitVideo(command(window, "scaleToFitVideo", tr("Scale panel to fit video 100%"))),
      typePath(command(window, "typePath", tr("Type a path"),
                       {QKeySequence(Qt::Key_F6), QKeySequence(Qt::CTRL | Qt::Key_L)})),
      nextFile(command(window, "nextFile", tr("Next file"), {QKeySequence(Qt::Key_PageDown)})),
      previousFile(command(window, "previousFile", tr("Previous file"), {QKeySequence(Qt::Key_PageUp)})),
      addToEditList(command(window, "addSelectedToEditList", tr("Add to EditList"),
                            {QKeySequence(Qt::Key_Space), QKeySequence(Qt::CTRL | Qt::Key_Space)})),
      removeFromEditList(command(window, "removeSelectedFromEditList", tr("Remove from EditList"),
                                 {QKeySequence(Qt::SHIFT | Qt::Key_Space)})),
      toggleAutoAdvance(
          command(window, "toggleAutoAdvance", tr("Auto play next"), {QKeySequence(Qt::Key_F2)})),
      toggleThumbnails(
          command(window, "toggleThumbnails", tr("Show thumbnails"), {QKeySequence(Qt::CTRL | Qt::Key_T)})),
      refresh(command(window, "refresh", tr("Read the folder again"), {QKeySequence(Qt::Key_F5)})),
      playOrPause(command(window, "playOrPause", tr("Play or pause"), {QKeySequence(Qt::CTRL | Qt::Key_P)})),
      seekBack(command(window, "seekBack", tr("Back 10 seconds"), {QKeySequence(Qt::CTRL | Qt::Key_Left)})),
      seekForward(
          command(window, "seekForward", tr("On 10 seconds"), {QKeySequence(Qt::CTRL | Qt::Key_Right)})),
      quit(command(window, "quit", tr("Quit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)})),
      deleteEntry(listKey(window, "deleteEntry", tr("Delete"), {QKeySequence(Qt::Key_Delete)})),
      openEntry(listKey(window, "openEntry", tr("Open"),
                        {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                         QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)})),
      addTypeToEditList(listKey(window, "addTypeToEditList", tr("Add files to editlist"),
                                {QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)})),
      removeTypeFromEditList(listKey(window, "removeTypeFromEditList", tr("Remove files to editlist"),
                                     {QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)})),
      removePlaylistEntries(listKey(window, "removePlaylistEntries", tr("Remove from the playlist"),
                                    {QKeySequence(Qt::Key_Delete)})),
      playPlaylistEntry(listKey(window, "playPlaylistEntry", tr("Play"),
                                {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                 QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)})),
      selectAllPlaylist(
          listKey(window, "selectAllPlaylist", tr("Select all"), {QKeySequence(Qt::ALT | Qt::Key_A)})),
      deleteFolder(listKey(window, "deleteFolder", tr("Delete folder"), {QKeySequence(Qt::Key_Delete)}))
{
    toggleThumbnails->setCheckable(true);
}

PlayerPanel::Commands WindowActions::playerCommands() const
{
    return {goUp,        playInSeparateWindow, fullScreenVideo, openInDefaultProgram,
            preferences, showPlayingFile,      openEditList,    playInPlayerWindow,
            about};
}

PlaylistPanel::Commands WindowActions::playlistCommands() const
{
    return {loadPlaylist,           playlistToEditList, clearPlaylist,
            clearPlaylistSelection, savePlaylist,       playlistOptions};
}

void WindowActions::attachFileListKeys(QWidget *fileList)
{
    attachListKeys(fileList, {deleteEntry, openEntry, addTypeToEditList, removeTypeFromEditList});
}

void WindowActions::attachPlaylistKeys(QWidget *playlist)
{
    attachListKeys(playlist, {removePlaylistEntries, playPlaylistEntry, selectAllPlaylist});
}

void WindowActions::attachListKeys(QWidget *list, const QList<QAction *> &keys)
{
    list->addActions(keys);
    list->installEventFilter(this);
}

bool WindowActions::eventFilter(QObject *watched, QEvent *event)
{
    // Under X11 a shortcut holding the keypad modifier never matches: the key press comes to the
    // list itself, which would take a keypad + or - as the start of a search by name. The list's
    // own commands are looked up here instead, so the keypad keys act wherever they are typed.
    auto *list = qobject_cast<QWidget *>(watched);
    if (!list || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (!key->modifiers().testFlag(Qt::KeypadModifier))
        return false;
    const QKeySequence pressed(key->keyCombination());
    for (QAction *action : list->actions()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            action->trigger();
            return true;
        }
    }
    return false;
}

void WindowActions::attachFolderTreeKeys(QWidget *tree)
{
    tree->addAction(deleteFolder);
}
