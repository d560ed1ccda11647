// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FolderChange.h"

#include <QSet>

namespace {

using Kind = ListEntry::Kind;

// One row of the new read: its kind and text.
struct Row
{
    Kind kind;
    const QString *text;
};

} // namespace

FolderChange FolderChange::between(const QStringList &texts, const QList<ListEntry::Kind> &kinds,
                                   const FolderReader::Contents &now)
{
    FolderChange change;
    const QSet<QString> folders(now.folders.cbegin(), now.folders.cend());
    const QSet<QString> files(now.files.cbegin(), now.files.cend());
    // The rows that stay, in their order.
    QList<int> kept;
    kept.reserve(texts.size());
    bool parentKept = false;
    for (int row = 0; row < texts.size(); ++row) {
        const Kind kind = kinds.at(row);
        bool stays = false;
        if (kind == Kind::Parent)
            stays = !parentKept;
        else if (kind == Kind::Folder)
            stays = folders.contains(texts.at(row));
        else if (kind == Kind::File)
            stays = files.contains(texts.at(row));
        parentKept = parentKept || (stays && kind == Kind::Parent);
        if (stays)
            kept.append(row);
        else
            change.removed.append(row);
    }

    static const QString parentText = QStringLiteral("..");
    QList<Row> rows;
    rows.reserve(1 + now.folders.size() + now.files.size());
    rows.append({Kind::Parent, &parentText});
    for (const QString &folder : now.folders)
        rows.append({Kind::Folder, &folder});
    for (const QString &file : now.files)
        rows.append({Kind::File, &file});

    qsizetype next = 0;
    for (int row = 0; row < rows.size(); ++row) {
        const Row &wanted = rows.at(row);
        if (next < kept.size() && kinds.at(kept.at(next)) == wanted.kind &&
            (wanted.kind == Kind::Parent || texts.at(kept.at(next)) == *wanted.text)) {
            ++next;
            continue;
        }
        if (change.inserted.isEmpty() || change.inserted.last().kind != wanted.kind ||
            change.inserted.last().row + change.inserted.last().texts.size() != row)
            change.inserted.append({row, wanted.kind, {}});
        change.inserted.last().texts.append(*wanted.text);
    }
    if (next != kept.size()) {
        // A kept row was passed over: the rows were not in the read's order.
        change = FolderChange();
        change.whole = true;
    }
    return change;
}
