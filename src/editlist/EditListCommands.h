// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class EntryListModel;
class MediaTypes;
class Prompter;
class QItemSelectionModel;

// The EditList window's commands on its list: the questions they ask, what they remove, what is
// added from drops and folder searches, and the texts the window shows.
class EditListCommands
{
    Q_DECLARE_TR_FUNCTIONS(EditListCommands)

public:
    EditListCommands(EntryListModel &list, QItemSelectionModel &selection, const MediaTypes &types,
                     Prompter &prompter);

    // "FileList (n) files selected (size)" over the selected entries.
    QString selectionCaption() const;
    // Kilobytes as "12.5 KB", "1.0 MB" or "2.3 GB": a unit is used up to 1024 of it.
    static QString sizeText(double kilobytes);
    // "*.mp3; *.wav" for the media types that drops collect.
    QString patternText() const;

    void selectAll();
    void clearAll();
    void clearSelected();
    void clearMissing();
    void clearProcessed();
    // The rows holding a later occurrence of a path, the first kept; progress is given now and
    // then the percentage done and the running count of rows found. Safe on any thread.
    static QList<int> duplicateRows(const QStringList &texts,
                                    const std::function<void(int percent, int found)> &progress);
    // Rows in ascending order.
    void removeRows(const QList<int> &rows);

    // The extension of the collected media type a path ends with (compared without regard to case),
    // empty when drops do not collect its type.
    QString collectedType(const QString &path) const;
    // A dropped file: listed unless its type is not collected or the list holds it already.
    bool addDroppedFile(const QString &path);
    // A file found in a dropped folder: listed when its type is collected (the list may hold it
    // already). Returns the matching extension, empty when the file was not listed.
    QString addFoundFile(const QString &path);

private:
    EntryListModel &m_list;
    QItemSelectionModel &m_selection;
    const MediaTypes &m_types;
    Prompter &m_prompter;
};
