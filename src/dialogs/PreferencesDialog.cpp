// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PreferencesDialog.h"

#include "core/MediaTypes.h"
#include "core/OffThread.h"
#include "core/Settings.h"
#include "platform/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {

QCheckBox *checkBox(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

PreferencesDialog::PreferencesDialog(Settings &settings, Prompter &prompter, const MediaTypes &types,
                                     bool showAll, const AssociationCommands &commands, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_association(commands)
{
    setObjectName(QStringLiteral("preferencesDialog"));
    setWindowTitle(tr("Kestrove Setup"));

    createOptions(showAll);
    auto *note =
        new QLabel(tr("Note! When you delete, files and folders is always send to Recycle Bin !"), this);
    note->setObjectName(QStringLiteral("trashNote"));
    note->setWordWrap(true);
    QGroupBox *association = createAssociationFrame(prompter);
    m_updating = new QLabel(tr("Updating registry, please wait..."), this);
    m_updating->setObjectName(QStringLiteral("updatingLabel"));
    m_updating->hide();

    auto *layout = new QVBoxLayout(this);
    for (QCheckBox *box : {m_fileFly, m_videoFly, m_autoMini, m_delete, m_deleteConfirm, m_showAll,
                           m_modernTypes, m_fitViewer, m_thumbnails})
        layout->addWidget(box);
    layout->addLayout(createThumbnailSize());
    layout->addWidget(note);
    layout->addWidget(association, 1);
    layout->addWidget(m_updating);
    layout->addLayout(createButtons(prompter, types));
}

void PreferencesDialog::createOptions(bool showAll)
{
    m_fileFly = checkBox("liveResizeLists", tr("Resize filepanel while dragging"), this);
    m_videoFly = checkBox("liveResizePlayer", tr("Resize videopanel while dragging"), this);
    m_autoMini = checkBox("minimiseForEditList", tr("Minimize mainwindow when EditList is opened."), this);
    m_delete = checkBox("deleteToTrash", tr("Delete moves file to Resycle Bin"), this);
    m_deleteConfirm = checkBox("confirmDelete", tr("Confirmation when deleting files from filelist."), this);
    m_showAll = checkBox("showAllFiles", tr("Show ALL filetypes in filelist"), this);
    m_modernTypes = checkBox(
        "modernTypes",
        tr("Also show modern media types (PNG, JPEG, WebP, SVG, TIFF, FLAC, Ogg, Opus, M4A, MP4, MKV, WebM)"),
        this);

    m_fitViewer = checkBox("fitViewer", tr("Fit large pictures to the screen"), this);

    m_fileFly->setChecked(m_settings.liveResizeLists());
    m_videoFly->setChecked(m_settings.liveResizePlayer());
    m_autoMini->setChecked(m_settings.minimiseForEditList().value_or(false));
    m_delete->setChecked(m_settings.deleteToTrash().value_or(false));
    m_deleteConfirm->setChecked(m_settings.confirmDelete());
    m_showAll->setChecked(showAll);
    m_modernTypes->setChecked(m_settings.modernTypes());
    m_fitViewer->setChecked(m_settings.fitViewer());
    m_thumbnails = checkBox("showThumbnails", tr("Show thumbnails"), this);
    m_thumbnails->setChecked(m_settings.thumbnails());
}

QHBoxLayout *PreferencesDialog::createThumbnailSize()
{
    m_thumbnailSize = new QComboBox(this);
    m_thumbnailSize->setObjectName(QStringLiteral("thumbnailSize"));
    for (const int side : Settings::ThumbnailSides)
        m_thumbnailSize->addItem(tr("%1 pixels").arg(side), side);
    m_thumbnailSize->setCurrentIndex(m_thumbnailSize->findData(m_settings.thumbnailSide()));
    auto *label = new QLabel(tr("Thumbnail size:"), this);
    label->setBuddy(m_thumbnailSize);
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_thumbnailSize);
    row->addStretch();
    return row;
}

QGroupBox *PreferencesDialog::createAssociationFrame(Prompter &prompter)
{
    auto *association = new QGroupBox(tr("Association :"), this);
    association->setObjectName(QStringLiteral("associationFrame"));
    auto *associated = new QLabel(tr("Filetypes successfull associate with context:"), association);
    associated->setObjectName(QStringLiteral("associationLabel"));
    m_status = new QListWidget(association);
    m_status->setObjectName(QStringLiteral("associationList"));
    m_status->setMinimumHeight(80);
    auto *caveat =
        new QLabel(tr("Please note! Kestrove might not be able to play/show all types listed here. "
                      "Kestrove can only play filetypoes with def. MCI driver installed."),
                   association);
    caveat->setObjectName(QStringLiteral("associationCaveat"));
    caveat->setWordWrap(true);
    auto *make = new QPushButton(tr("Make association"), association);
    make->setObjectName(QStringLiteral("makeAssociationButton"));
    auto *remove = new QPushButton(tr("Remove association"), association);
    remove->setObjectName(QStringLiteral("removeAssociationButton"));
    auto *associationButtons = new QHBoxLayout;
    associationButtons->addWidget(make);
    associationButtons->addWidget(remove);
    associationButtons->addStretch();
    auto *associationLayout = new QVBoxLayout(association);
    associationLayout->addWidget(associated);
    associationLayout->addWidget(m_status, 1);
    associationLayout->addWidget(caveat);
    associationLayout->addLayout(associationButtons);

    const bool available = m_association.status && m_association.make && m_association.remove;
    make->setEnabled(available);
    remove->setEnabled(available);
    if (available)
        connectAssociation(make, remove, prompter);
    return association;
}

void PreferencesDialog::connectAssociation(QPushButton *make, QPushButton *remove, Prompter &prompter)
{
    m_status->addItems(m_association.status());
    connect(make, &QPushButton::clicked, this, [this, &prompter] {
        whileUpdating(m_association.make, [this, &prompter](bool offered) {
            tellStoreNotice(prompter);
            if (!offered) {
                prompter.message(tr("The association was not made: the desktop entry that lets file managers "
                                    "offer Browse with Kestrove could not be written."),
                                 windowTitle(), Prompter::Buttons::Ok, Prompter::Icon::Critical);
                return;
            }
            prompter.message(tr("Done.. You may now RightClick on any supported filetype ( see "
                                "Readme.txt ) or folder, and choose Browse with Kestrove, to "
                                "open it with Kestrove."),
                             windowTitle(), Prompter::Buttons::Ok, Prompter::Icon::Information);
        });
    });
    connect(remove, &QPushButton::clicked, this, [this, &prompter] {
        whileUpdating(
            [remove = m_association.remove](QStringList &lines) {
                remove(lines);
                return true;
            },
            [this, &prompter](bool) {
                tellStoreNotice(prompter);
                prompter.message(tr("Done ! :o("), windowTitle(), Prompter::Buttons::Ok,
                                 Prompter::Icon::Information);
            });
    });
}

void PreferencesDialog::tellStoreNotice(Prompter &prompter)
{
    if (!m_association.notice)
        return;
    if (const QString notice = m_association.notice(); !notice.isEmpty())
        prompter.message(notice, windowTitle(), Prompter::Buttons::Ok, Prompter::Icon::Exclamation);
}

QHBoxLayout *PreferencesDialog::createButtons(Prompter &prompter, const MediaTypes &types)
{
    auto *supported = new QPushButton(tr("Supported filetypes ?"), this);
    supported->setObjectName(QStringLiteral("supportedTypesButton"));
    connect(supported, &QPushButton::clicked, this, [this, &prompter, &types] {
        prompter.message(supportedTypesText(types), windowTitle(), Prompter::Buttons::Ok,
                         Prompter::Icon::Information);
    });
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] {
        save();
        accept();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(supported);
    buttons->addStretch();
    buttons->addWidget(close);
    return buttons;
}

void PreferencesDialog::whileUpdating(std::function<bool(QStringList &lines)> work,
                                      const std::function<void(bool done)> &finished)
{
    // The association store is written off the window's thread; meanwhile the window shows only
    // the "please wait" line, and closes only once the work has ended.
    const QList<QWidget *> controls = findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QList<QPointer<QWidget>> hidden;
    for (QWidget *control : controls) {
        if (control != m_updating && control->isVisible()) {
            control->hide();
            hidden.append(control);
        }
    }
    m_updating->show();
    m_updatingNow = true;
    QStringList lines;
    for (int row = 0; row < m_status->count(); ++row)
        lines.append(m_status->item(row)->text());
    OffThread::run(
        this,
        [work = std::move(work), lines]() mutable {
            const bool done = work(lines);
            return std::pair(std::move(lines), done);
        },
        [this, hidden, finished](const std::pair<QStringList, bool> &result) {
            m_status->clear();
            m_status->addItems(result.first);
            m_updating->hide();
            for (QWidget *control : hidden) {
                if (control)
                    control->show();
            }
            m_updatingNow = false;
            finished(result.second);
            if (m_closeWhenUpdated)
                QDialog::done(*std::exchange(m_closeWhenUpdated, std::nullopt));
        });
}

void PreferencesDialog::done(int result)
{
    if (m_updatingNow) {
        m_closeWhenUpdated = result;
        return;
    }
    QDialog::done(result);
}

QString PreferencesDialog::supportedTypesText(const MediaTypes &types)
{
    QString text;
    for (int row = 0; row < types.count(); ++row) {
        const QString extension = types.extension(row);
        if (row < types.count() - 1) {
            if (!extension.isEmpty())
                text += extension + QLatin1String(" , ");
        } else {
            text += extension + QLatin1Char('\n') + tr("if the correct MCI or Video-Driver is installed !") +
                    QLatin1Char('\n');
        }
    }
    return text;
}

void PreferencesDialog::save()
{
    m_settings.liveResizeLists.set(m_fileFly->isChecked());
    m_settings.liveResizePlayer.set(m_videoFly->isChecked());
    m_settings.deleteToTrash.set(m_delete->isChecked());
    m_settings.minimiseForEditList.set(m_autoMini->isChecked());
    m_settings.confirmDelete.set(m_deleteConfirm->isChecked());
    m_settings.showAllFiles.set(m_showAll->isChecked());
    m_settings.modernTypes.set(m_modernTypes->isChecked());
    m_settings.fitViewer.set(m_fitViewer->isChecked());
    m_settings.thumbnails.set(m_thumbnails->isChecked());
    m_settings.thumbnailSize.set(m_thumbnailSize->currentData().toInt());
    m_settings.sync();
}
