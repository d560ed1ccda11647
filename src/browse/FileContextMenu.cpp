// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FileContextMenu.h"

namespace {

QAction *named(QAction *action, const char *name)
{
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

// The actions are created in menu order, with separators between the groups.
FileContextMenu::FileContextMenu(QWidget *parent)
    : QMenu(parent), addToPlaylist(named(addAction(tr("Add to playlist >>")), "addToPlaylist")),
      addAllToPlaylist(named(addAction(tr("Add all to playlist >>>>")), "addAllToPlaylist")),
      addToEditList((addSeparator(), named(addAction(tr("Add to EditList ( + && .. )")), "addToEditList"))),
      addAllToEditList(named(addAction(tr("Add all to EditList ( + && Enter )")), "addAllToEditList")),
      removeFromEditList(
          (addSeparator(), named(addAction(tr("Remove from EditList ( - && .. )")), "removeFromEditList"))),
      removeAllFromEditList(
          named(addAction(tr("Remove all from EditList ( - && Enter )")), "removeAllFromEditList")),
      openEditList((addSeparator(), named(addAction(tr("Open EditList")), "openEditList"))),
      openInDefaultProgram(
          (addSeparator(), named(addAction(tr("Open in default player / viewer")), "openInDefaultProgram"))),
      openInSeparateWindow(named(addAction(tr("Open in seperate window")), "openInSeparateWindow")),
      properties((addSeparator(), named(addAction(tr("Properties")), "properties")))
{
    setObjectName(QStringLiteral("fileMenu"));
}

void FileContextMenu::setTarget(Target target)
{
    const bool file = target == Target::File;
    for (QAction *action : {addAllToPlaylist, addToEditList, addAllToEditList, removeFromEditList,
                            removeAllFromEditList, openInDefaultProgram, openInSeparateWindow})
        action->setEnabled(file);
    if (file)
        addToPlaylist->setEnabled(true);
}
