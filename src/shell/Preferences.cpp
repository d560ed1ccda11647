#include "Preferences.h"

#include "MediaTypes.h"
#include "Prompter.h"
#include "SettingCodec.h"
#include "SettingsStore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox *checkBox(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// A stored check box value is read as a number; 1 ticks the box.
bool ticked(const SettingsStore &settings, SettingKey key)
{
    return SettingCodec::decimalInteger(settings.get(key)) == 1;
}

} // namespace

Preferences::Preferences(SettingsStore &settings, Prompter &prompter, const MediaTypes &types, bool showAll,
                         QWidget *parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("Preferences"));
    setWindowTitle(tr("Kestrove Setup"));

    m_fileFly = checkBox("ResizeFilepanel0", tr("Resize filepanel while dragging"), this);
    m_videoFly = checkBox("ResizeFilepanel1", tr("Resize videopanel while dragging"), this);
    m_autoMini = checkBox("Check1", tr("Minimize mainwindow when EditList is opened."), this);
    m_delete = checkBox("Delete", tr("Delete moves file to Resycle Bin"), this);
    m_deleteConfirm = checkBox("Check2", tr("Confirmation when deleting files from filelist."), this);
    m_showAll = checkBox("Check3", tr("Show ALL filetypes in filelist"), this);

    m_fileFly->setChecked(ticked(settings, SettingKey::FileFlySize));
    m_videoFly->setChecked(ticked(settings, SettingKey::VideoFlySize));
    m_autoMini->setChecked(ticked(settings, SettingKey::AutoMini));
    m_delete->setChecked(ticked(settings, SettingKey::Delete));
    m_deleteConfirm->setChecked(ticked(settings, SettingKey::DeleteConfirm));
    m_showAll->setChecked(showAll);

    auto *note =
        new QLabel(tr("Note! When you delete, files and folders is always send to Recycle Bin !"), this);
    note->setObjectName(QStringLiteral("Label4"));
    note->setWordWrap(true);

    auto *association = new QGroupBox(tr("Association :"), this);
    association->setObjectName(QStringLiteral("Frame1"));
    auto *associated = new QLabel(tr("Filetypes successfull associate with context:"), association);
    associated->setObjectName(QStringLiteral("Label1"));
    auto *status = new QListWidget(association);
    status->setObjectName(QStringLiteral("List1"));
    status->setMinimumHeight(80);
    auto *caveat =
        new QLabel(tr("Please note! Kestrove might not be able to play/show all types listed here. "
                      "Kestrove can only play filetypoes with def. MCI driver installed."),
                   association);
    caveat->setObjectName(QStringLiteral("Label2"));
    caveat->setWordWrap(true);
    auto *make = new QPushButton(tr("Make association"), association);
    make->setObjectName(QStringLiteral("Command3_0"));
    auto *remove = new QPushButton(tr("Remove association"), association);
    remove->setObjectName(QStringLiteral("Command3_1"));
    auto *associationButtons = new QHBoxLayout;
    associationButtons->addWidget(make);
    associationButtons->addWidget(remove);
    associationButtons->addStretch();
    auto *associationLayout = new QVBoxLayout(association);
    associationLayout->addWidget(associated);
    associationLayout->addWidget(status, 1);
    associationLayout->addWidget(caveat);
    associationLayout->addLayout(associationButtons);

    auto *updating = new QLabel(tr("Updating registry, please wait..."), this);
    updating->setObjectName(QStringLiteral("Label3"));
    updating->hide();

    auto *supported = new QPushButton(tr("Supported filetypes ?"), this);
    supported->setObjectName(QStringLiteral("Command1"));
    connect(supported, &QPushButton::clicked, this, [this, &prompter, &types] {
        prompter.message(supportedTypesText(types), windowTitle(), Prompter::Buttons::Ok,
                         Prompter::Icon::Information);
    });
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Command2"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] {
        save();
        accept();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(supported);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    for (QCheckBox *box : {m_fileFly, m_videoFly, m_autoMini, m_delete, m_deleteConfirm, m_showAll})
        layout->addWidget(box);
    layout->addWidget(note);
    layout->addWidget(association, 1);
    layout->addWidget(updating);
    layout->addLayout(buttons);
}

QString Preferences::supportedTypesText(const MediaTypes &types)
{
    QString text;
    for (int row = 0; row < MediaTypes::Count; ++row) {
        const QString extension = types.extension(row);
        if (row < MediaTypes::Count - 1) {
            if (!extension.isEmpty())
                text += extension + QLatin1String(" , ");
        } else {
            text += extension + QLatin1Char('\n') + tr("if the correct MCI or Video-Driver is installed !") +
                    QLatin1Char('\n');
        }
    }
    return text;
}

void Preferences::save()
{
    using SettingCodec::fromCheckBox;
    m_settings.save(SettingKey::FileFlySize, fromCheckBox(m_fileFly->isChecked()));
    m_settings.save(SettingKey::VideoFlySize, fromCheckBox(m_videoFly->isChecked()));
    m_settings.save(SettingKey::Delete, fromCheckBox(m_delete->isChecked()));
    m_settings.save(SettingKey::AutoMini, fromCheckBox(m_autoMini->isChecked()));
    m_settings.save(SettingKey::DeleteConfirm, fromCheckBox(m_deleteConfirm->isChecked()));
    m_settings.save(SettingKey::ShowAllFiles, fromCheckBox(m_showAll->isChecked()));
    m_settings.sync();
}
