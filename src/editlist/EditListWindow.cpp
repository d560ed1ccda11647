// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlist/EditListWindow.h"

#include "browse/EntryDelegate.h"
#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "browse/MediaTypeEditor.h"
#include "core/EditListStore.h"
#include "core/FolderWalker.h"
#include "core/MediaTypes.h"
#include "core/Paths.h"
#include "core/VersionTitle.h"
#include "editlist/DropZone.h"
#include "editlist/EditListCommands.h"
#include "editlist/EditListJob.h"
#include "platform/NativePath.h"
#include "platform/Prompter.h"
#include "platform/WindowThread.h"
#include "widgets/TextProgressBar.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QPushButton *commandButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(1);
    return label;
}

} // namespace

EditListWindow::EditListWindow(Services services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(std::move(services)),
      m_walker(new FolderWalker(m_services.prompter))
{
    setObjectName(QStringLiteral("editListWindow"));
    setWindowTitle(tr("EditList"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_list = new EntryListView(this);
    m_list->setObjectName(QStringLiteral("editList"));
    m_list->setAccessibleName(tr("Files on the EditList"));
    m_list->items()->setIconProvider(&m_services.icons);
    m_list->viewport()->installEventFilter(this);
    m_commands = std::make_unique<EditListCommands>(*m_list->items(), *m_list->selectionModel(),
                                                    m_services.types, m_services.prompter);

    m_duplicatesLabel = new QLabel(tr("Checking for dublicates:"), this);
    m_duplicatesBar = new TextProgressBar(this);
    m_duplicatesBar->setObjectName(QStringLiteral("duplicatesProgress"));
    m_duplicatesLabel->setBuddy(m_duplicatesBar);
    m_duplicatesLabel->hide();
    m_duplicatesBar->hide();

    auto *left = new QVBoxLayout;
    left->addWidget(m_list, 1);
    left->addWidget(makeSearchPanel());
    left->addWidget(m_duplicatesLabel);
    left->addWidget(m_duplicatesBar);
    left->addStretch(0);

    auto *right = new QVBoxLayout;
    right->addWidget(makeOperations());
    auto *infoRow = new QHBoxLayout;
    infoRow->addWidget(makeLegend());
    auto *buffers = new QVBoxLayout;
    buffers->addWidget(makeBufferSizes());
    buffers->addStretch(1);
    infoRow->addLayout(buffers);
    right->addLayout(infoRow);
    right->addWidget(makeDropFrame());
    right->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 0);
    resize(760, 600);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // Many changes in a row (a range selected with the keyboard) count once.
        if (std::exchange(m_captionPending, true))
            return;
        QTimer::singleShot(0, this, [this] {
            m_captionPending = false;
            updateCaption();
        });
    });
    connect(m_walker.get(), &FolderWalker::folderEntered, this, [this](const QString &folder) {
        m_searchFolder->setText(tr("Searching in : %1").arg(NativePath::forDisplay(folder)));
    });
    connect(m_walker.get(), &FolderWalker::filesFound, this, [this](const QStringList &paths) {
        QString lastExtension;
        for (const QString &path : paths) {
            const QString extension = m_commands->addFoundFile(path);
            if (extension.isEmpty())
                continue;
            m_foundBytes += double(qMax<qint64>(0, Paths::fileSize(path)));
            ++m_foundCount;
            lastExtension = extension;
        }
        if (lastExtension.isEmpty())
            return;
        m_searchCount->setText(
            tr("%n file(s) found. Last file found was of type : %1.", nullptr, m_foundCount)
                .arg(lastExtension));
        showFoundBytes();
    });
    connect(m_walker.get(), &FolderWalker::finished, this, &EditListWindow::searchEnded);
    connect(&m_duplicates, &QFutureWatcher<QList<int>>::finished, this,
            [this] { duplicatesFound(m_duplicates.result()); });

    fillList();
    updatePattern();
    const auto changed = [this] { m_listChanged = true; };
    const EntryListModel *entries = m_list->items();
    connect(entries, &QAbstractItemModel::rowsInserted, this, changed);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(entries, &QAbstractItemModel::rowsMoved, this, changed);
    connect(entries, &QAbstractItemModel::modelReset, this, changed);
    connect(entries, &QAbstractItemModel::layoutChanged, this, changed);
    // A move gives entries new paths; the jobs' colours are not the list's.
    connect(entries, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                    m_listChanged = true;
            });
}

void EditListWindow::keepChanges()
{
    if (std::exchange(m_listChanged, false))
        writeBack();
}

EditListWindow::~EditListWindow()
{
    // Its progress reports are handed to this window.
    m_duplicates.waitForFinished();
}

QWidget *EditListWindow::makeOperations()
{
    auto *group = new QGroupBox(tr("Operations:"), this);
    auto *buttons = new QVBoxLayout(group);
    const auto add = [&](const QString &text, const char *name, auto slot, bool switchable) {
        QPushButton *button = commandButton(text, name, group);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, slot);
        if (switchable)
            m_commandWidgets.append(button);
        return button;
    };
    add(
        tr("Copy..."), "copy", [this] { copyOrMove(false); }, true);
    add(
        tr("Move..."), "move", [this] { copyOrMove(true); }, true);
    add(
        tr("Delete..."), "delete", [this] { deleteFiles(); }, true);
    add(
        tr("Select all"), "selectAll",
        [this] {
            m_commands->selectAll();
            updateCaption();
        },
        true);
    add(
        tr("Clear all"), "clearAll",
        [this] {
            m_commands->clearAll();
            updateCaption();
        },
        true);
    add(
        tr("Clear selected"), "clearSelected",
        [this] {
            m_commands->clearSelected();
            updateCaption();
        },
        true);
    add(
        tr("Clear missing file(s)"), "clearMissing", [this] { m_commands->clearMissing(); }, true);
    add(
        tr("Clear processed"), "clearProcessed", [this] { m_commands->clearProcessed(); }, false);
    add(
        tr("Remove dublicates"), "removeDuplicates", [this] { removeDuplicates(); }, false);
    add(
        tr("Close"), "close", [this] { close(); }, true);
    return group;
}

QWidget *EditListWindow::makeLegend()
{
    auto *group = new QGroupBox(tr("Process info:"), this);
    auto *rows = new QVBoxLayout(group);
    const std::pair<ListEntry::JobState, QString> states[] = {
        {ListEntry::JobState::Normal, tr("Normal")},
        {ListEntry::JobState::Processed, tr("Processed")},
        {ListEntry::JobState::Skipped, tr("Skipped")},
        {ListEntry::JobState::SkippedWithError, tr("Skipped with error")}};
    for (const auto &[state, caption] : states) {
        auto *row = new QHBoxLayout;
        auto *swatch = new QLabel(group);
        swatch->setFixedSize(12, 12);
        swatch->setAutoFillBackground(true);
        QPalette colours = swatch->palette();
        colours.setColor(QPalette::Window, EntryDelegate::jobStateText(int(state)));
        swatch->setPalette(colours);
        row->addWidget(swatch);
        row->addWidget(new QLabel(caption, group), 1);
        rows->addLayout(row);
    }
    return group;
}

QWidget *EditListWindow::makeBufferSizes()
{
    auto *group = new QGroupBox(tr("Buffersize:"), this);
    auto *options = new QVBoxLayout(group);
    m_bufferOptions = new QButtonGroup(group);
    const QString captions[] = {tr("8 KB"), tr("32 KB *"), tr("64 KB")};
    const QString tips[] = {
        tr("Most small files. Use this option for icon-like files. (8K buffer)"),
        tr("Most medium files. Use this option for common type files like Mp3, jpg, wave etc.  (16K buffer)"),
        tr("Most big files. Use this option for big files lile moveis, waves and very large images.  (32K "
           "buffer)")};
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(captions[i], group);
        option->setObjectName(QStringLiteral("buffer%1").arg(i));
        option->setToolTip(tips[i]);
        m_bufferOptions->addButton(option, i);
        options->addWidget(option);
        m_commandWidgets.append(option);
    }
    m_bufferOptions->button(1)->setChecked(true);
    return group;
}

QWidget *EditListWindow::makeDropFrame()
{
    auto *group = new QGroupBox(tr("Drag'n'Drop"), this);
    auto *rows = new QVBoxLayout(group);
    auto *zone = new DropZone(group);
    rows->addWidget(zone);
    m_commandWidgets.append(zone);
    rows->addWidget(new QLabel(tr("Current pattern :"), group));
    m_pattern = plainLabel(QString(), group);
    m_pattern->setObjectName(QStringLiteral("pattern"));
    m_pattern->setWordWrap(true);
    rows->addWidget(m_pattern);
    QPushButton *edit = commandButton(tr("Edit pattern"), "editPattern", group);
    rows->addWidget(edit);
    m_commandWidgets.append(edit);
    connect(edit, &QPushButton::clicked, this, &EditListWindow::editPattern);
    // Handled once the drop is over, so that the file manager is not kept waiting by a search.
    connect(
        zone, &DropZone::pathsDropped, this, [this](const QStringList &paths) { addDropped(paths); },
        Qt::QueuedConnection);
    connect(zone, &DropZone::unsupportedDropped, this, [this] {
        m_services.prompter.message(tr("This dataformat is not supported!") + QLatin1String("\r\n") +
                                        tr("You can only drop files and folders !"),
                                    ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
    });
    return group;
}

QWidget *EditListWindow::makeSearchPanel()
{
    m_searchPanel = new QFrame(this);
    m_searchPanel->setObjectName(QStringLiteral("searchPanel"));
    auto *rows = new QVBoxLayout(m_searchPanel);
    rows->addWidget(new QLabel(tr("Searching for files..."), m_searchPanel));
    m_searchFolder = plainLabel(tr("Searching in :"), m_searchPanel);
    m_searchCount = plainLabel(tr("0 file(s) found."), m_searchPanel);
    m_searchBytes = plainLabel(tr("0 bytes."), m_searchPanel);
    rows->addWidget(m_searchFolder);
    rows->addWidget(m_searchCount);
    rows->addWidget(m_searchBytes);
    QPushButton *cancel = commandButton(tr("Cancel"), "searchCancel", m_searchPanel);
    rows->addWidget(cancel, 0, Qt::AlignRight);
    connect(cancel, &QPushButton::clicked, m_walker.get(), &FolderWalker::cancel);
    m_searchPanel->hide();
    return m_searchPanel;
}

qint64 EditListWindow::bufferSize() const
{
    const int option = m_bufferOptions->checkedId();
    return option >= 0 && option < 3 ? BufferSizes[option] : BufferSizes[2];
}

void EditListWindow::fillList()
{
    m_list->items()->clear();
    m_list->items()->addItems(m_services.store.entries(), ListEntry::Kind::File,
                              EntryListModel::IconFromText);
}

void EditListWindow::writeBack()
{
    EditListStore &store = m_services.store;
    store.clear();
    const EntryListModel *entries = m_list->items();
    for (int i = 0; i < entries->count(); ++i)
        store.append(entries->text(i));
}

void EditListWindow::updateCaption()
{
    setWindowTitle(m_commands->selectionCaption());
}

void EditListWindow::updatePattern()
{
    m_pattern->setText(m_commands->patternText());
}

void EditListWindow::setCommandsEnabled(bool on)
{
    for (QWidget *widget : std::as_const(m_commandWidgets))
        widget->setEnabled(on);
}

bool EditListWindow::hasSelection() const
{
    return m_list->selectionModel()->hasSelection();
}

void EditListWindow::copyOrMove(bool move)
{
    if (!hasSelection()) {
        // A button that did nothing would look broken: it says what it needs.
        m_services.prompter.message(move ? tr("Select the files to move first.")
                                         : tr("Select the files to copy first."),
                                    ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Information);
        if (move)
            updateCaption();
        return;
    }
    runJob(EditListJob::copyOrMove(move ? CopyMoveJob::Kind::Move : CopyMoveJob::Kind::Copy, bufferSize(),
                                   {*m_list->items(), *m_list->selectionModel(), m_services.prompter,
                                    m_services.trash, m_services.player},
                                   this),
           [this, move] {
               if (move)
                   updateCaption();
           });
}

void EditListWindow::deleteFiles()
{
    if (!hasSelection())
        return;
    runJob(EditListJob::deletion({*m_list->items(), *m_list->selectionModel(), m_services.prompter,
                                  m_services.trash, m_services.player},
                                 this),
           [this] { offerToClearProcessed(); });
}

void EditListWindow::runJob(std::unique_ptr<EditListJob> job, std::function<void()> afterwards)
{
    beginBusy();
    m_job = std::move(job);
    connect(m_job.get(), &EditListJob::ended, this, [this, afterwards = std::move(afterwards)] {
        Q_EMIT fileToGiveBack(m_job->takenFile());
        // Called from the job's own signal: it goes once the signal has been handled.
        m_job.release()->deleteLater();
        if (!m_closeRequested)
            afterwards();
        endBusy();
    });
}

void EditListWindow::offerToClearProcessed()
{
    const EntryListModel *list = m_list->items();
    bool processed = false;
    for (int i = 0; i < list->count() && !processed; ++i)
        processed = list->jobState(i) == ListEntry::JobState::Processed;
    if (processed && m_services.prompter.message(tr("Clear processed files from list ?"), ProgramTitle,
                                                 Prompter::Buttons::OkCancel,
                                                 Prompter::Icon::Question) == Prompter::Answer::Ok)
        m_commands->clearProcessed();
}

void EditListWindow::removeDuplicates()
{
    if (m_busy > 0)
        return;
    beginBusy();
    m_list->hide();
    m_duplicatesLabel->setText(tr("Checking for dublicates:"));
    m_duplicatesLabel->show();
    m_duplicatesBar->show();
    const auto progress = [this](int percent, int found) {
        WindowThread::post(this, [this, percent, found] {
            m_duplicatesBar->setProgress(percent, QString());
            if (found > 0)
                m_duplicatesLabel->setText(
                    tr("Checking for dublicates: %n file(s) removed.", nullptr, found));
        });
    };
    m_duplicates.setFuture(
        QtConcurrent::run(&EditListCommands::duplicateRows, m_list->items()->texts(), progress));
}

void EditListWindow::duplicatesFound(const QList<int> &rows)
{
    m_commands->removeRows(rows);
    m_duplicatesLabel->setText(tr("Checking for dublicates:"));
    m_duplicatesLabel->hide();
    m_duplicatesBar->hide();
    m_list->show();
    endBusy();
    if (!m_closeRequested)
        m_services.prompter.message(tr("DONE !"), ProgramTitle, Prompter::Buttons::Ok,
                                    Prompter::Icon::Information);
}

void EditListWindow::editPattern()
{
    MediaTypeEditor editor(m_services.types, this);
    editor.exec();
    updatePattern();
}

void EditListWindow::showInMainWindow()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.size() != 1 || !m_list->currentIndex().isValid())
        return;
    const QString path = m_list->items()->text(m_list->currentIndex().row());
    if (!Paths::fileExists(path)) {
        m_services.prompter.message(
            tr("This file does not exist. If it's located on a networkdrive or a CD-ROM, "
               "please check the media and try again."),
            ProgramTitle, Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
        return;
    }
    m_showAfterClose = path;
    close();
}

void EditListWindow::addDropped(const QStringList &paths)
{
    m_pendingDrops += paths;
    if (m_walker->busy())
        return;
    beginBusy();
    addNextDropped();
}

void EditListWindow::addNextDropped()
{
    while (!m_pendingDrops.isEmpty() && !m_closeRequested) {
        const QString path = m_pendingDrops.takeFirst();
        if (Paths::folderExists(path)) {
            if (searchFolder(path))
                return;
        } else if (Paths::fileExists(path)) {
            m_commands->addDroppedFile(path);
        }
    }
    m_pendingDrops.clear();
    writeBack();
    endBusy();
}

bool EditListWindow::searchFolder(const QString &folder)
{
    m_searchCount->setText(tr("0 file(s) found."));
    m_searchFolder->setText(tr("Searching in : "));
    m_foundCount = 0;
    m_foundBytes = 0;
    if (!m_walker->start(Paths::withSeparator(folder), QStringLiteral("*.*")))
        return false;
    m_searchPanel->show();
    return true;
}

void EditListWindow::searchEnded()
{
    m_foundBytes = 0;
    m_searchPanel->hide();
    addNextDropped();
}

void EditListWindow::showFoundBytes()
{
    m_searchBytes->setText(EditListCommands::sizeText(m_foundBytes / 1024));
}

bool EditListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() == Qt::LeftButton)
            updateCaption();
        else if (release->button() == Qt::RightButton)
            QTimer::singleShot(0, this, &EditListWindow::showInMainWindow);
    }
    return QWidget::eventFilter(watched, event);
}

void EditListWindow::closeEvent(QCloseEvent *event)
{
    // A search, a job or the search for duplicates runs on: it stops first, and the window closes
    // once it has.
    if (m_busy > 0) {
        m_closeRequested = true;
        m_walker->cancel();
        if (m_job)
            m_job->stop();
        event->ignore();
        return;
    }
    hide();
    writeBack();
    event->accept();
    Q_EMIT closed(m_showAfterClose);
}

void EditListWindow::beginBusy()
{
    if (m_busy++ == 0)
        setCommandsEnabled(false);
}

void EditListWindow::endBusy()
{
    if (--m_busy > 0)
        return;
    setCommandsEnabled(true);
    if (m_closeRequested)
        QTimer::singleShot(0, this, &QWidget::close);
}
