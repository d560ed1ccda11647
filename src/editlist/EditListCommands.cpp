// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/EditListCommands.h"

#include "browse/EntryListModel.h"
#include "core/MediaTypes.h"
#include "core/Paths.h"
#include "core/ProgressInterval.h"
#include "core/VersionTitle.h"
#include "platform/Prompter.h"

#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QSet>

using State = ListEntry::JobState;

EditListCommands::EditListCommands(EntryListModel &list, QItemSelectionModel &selection,
                                   const MediaTypes &types, Prompter &prompter)
    : m_list(list), m_selection(selection), m_types(types), m_prompter(prompter)
{
}

QString EditListCommands::sizeText(double kilobytes)
{
    double size = kilobytes;
    QString unit = QStringLiteral(" KB");
    if (size > 1024) {
        size /= 1024;
        unit = QStringLiteral(" MB");
        if (size > 1024) {
            size /= 1024;
            unit = QStringLiteral(" GB");
        }
    }
    return QString::number(size, 'f', 1) + unit;
}

QString EditListCommands::selectionCaption() const
{
    int count = 0;
    double kilobytes = 0;
    for (const QModelIndex &index : m_selection.selectedIndexes()) {
        ++count;
        kilobytes += double(qMax<qint64>(0, Paths::fileSize(m_list.text(index.row())))) / 1024;
    }
    return tr("FileList (%n) files selected (%1)", nullptr, count).arg(sizeText(kilobytes));
}

QString EditListCommands::patternText() const
{
    QStringList patterns;
    for (int row = 0; row < m_types.count(); ++row) {
        if (m_types.dragDrop(row))
            patterns.append(QLatin1Char('*') + m_types.extension(row));
    }
    return patterns.join(QLatin1String("; "));
}

void EditListCommands::selectAll()
{
    if (m_list.count() > 0)
        m_selection.select(QItemSelection(m_list.index(0), m_list.index(m_list.count() - 1)),
                           QItemSelectionModel::Select);
}

void EditListCommands::clearAll()
{
    if (m_prompter.message(tr("Clear all ?"), ProgramTitle, Prompter::Buttons::OkCancel,
                           Prompter::Icon::Exclamation) == Prompter::Answer::Ok)
        m_list.clear();
}

void EditListCommands::clearSelected()
{
    if (m_prompter.message(tr("Clear selected from EditList ?"), ProgramTitle, Prompter::Buttons::OkCancel,
                           Prompter::Icon::Question) != Prompter::Answer::Ok)
        return;
    QList<int> rows;
    for (const QModelIndex &index : m_selection.selectedIndexes())
        rows.append(index.row());
    removeRows(rows);
}

void EditListCommands::clearMissing()
{
    if (m_list.count() == 0)
        return;
    QList<int> missing;
    for (int i = 0; i < m_list.count(); ++i) {
        if (!Paths::fileExists(m_list.text(i)))
            missing.append(i);
    }
    if (missing.isEmpty()) {
        m_prompter.message(tr("All file(s) exists !"), ProgramTitle, Prompter::Buttons::Ok,
                           Prompter::Icon::Information);
        return;
    }
    if (m_prompter.message(tr("Clear %n file(s) ?", nullptr, int(missing.size())), ProgramTitle,
                           Prompter::Buttons::OkCancel, Prompter::Icon::Question) == Prompter::Answer::Ok)
        removeRows(missing);
}

void EditListCommands::clearProcessed()
{
    QList<int> processed;
    for (int i = 0; i < m_list.count(); ++i) {
        if (m_list.jobState(i) == State::Processed)
            processed.append(i);
    }
    removeRows(processed);
}

QList<int> EditListCommands::duplicateRows(const QStringList &texts,
                                           const std::function<void(int percent, int found)> &progress)
{
    QSet<QString> seen;
    seen.reserve(texts.size());
    QList<int> later;
    QElapsedTimer sinceShown;
    sinceShown.start();
    const int count = int(texts.size());
    for (int i = 0; i < count; ++i) {
        if (seen.contains(texts.at(i)))
            later.append(i);
        else
            seen.insert(texts.at(i));
        if (progress && sinceShown.elapsed() >= ProgressIntervalMs) {
            progress(int(100.0 / count * i), int(later.size()));
            sinceShown.restart();
        }
    }
    if (progress)
        progress(100, int(later.size()));
    return later;
}

QString EditListCommands::collectedType(const QString &path) const
{
    for (int row = 0; row < m_types.count(); ++row) {
        const QString extension = m_types.extension(row);
        if (m_types.dragDrop(row) && path.endsWith(extension, Qt::CaseInsensitive))
            return extension;
    }
    return {};
}

bool EditListCommands::addDroppedFile(const QString &path)
{
    if (collectedType(path).isEmpty() || m_list.findItem(path) >= 0)
        return false;
    m_list.addItems({path}, ListEntry::Kind::File, EntryListModel::IconFromText);
    return true;
}

QString EditListCommands::addFoundFile(const QString &path)
{
    const QString extension = collectedType(path);
    if (!extension.isEmpty())
        m_list.addItems({path}, ListEntry::Kind::File, EntryListModel::IconFromText);
    return extension;
}

void EditListCommands::removeRows(const QList<int> &rows)
{
    m_selection.clear();
    m_list.removeItems(rows);
}
