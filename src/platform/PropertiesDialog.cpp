// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PropertiesDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QVBoxLayout>

namespace {

QLabel *value(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // One line each: a long location widens the dialog rather than breaking.
    label->setWordWrap(false);
    return label;
}

} // namespace

QString PropertiesDialog::permissionText(int permissions)
{
    const QFileDevice::Permission bits[] = {
        QFileDevice::ReadOwner, QFileDevice::WriteOwner, QFileDevice::ExeOwner,
        QFileDevice::ReadGroup, QFileDevice::WriteGroup, QFileDevice::ExeGroup,
        QFileDevice::ReadOther, QFileDevice::WriteOther, QFileDevice::ExeOther};
    const char letters[] = "rwxrwxrwx";
    QString text;
    for (int i = 0; i < 9; ++i)
        text += (permissions & bits[i]) ? QLatin1Char(letters[i]) : QLatin1Char('-');
    return text;
}

PropertiesDialog::PropertiesDialog(const QString &path, QWidget *parent) : QDialog(parent)
{
    const QFileInfo info(path);
    setWindowTitle(tr("Properties of %1").arg(info.fileName().isEmpty() ? path : info.fileName()));
    const QLocale locale;
    auto *form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->addRow(tr("Name:"), value(info.fileName().isEmpty() ? path : info.fileName(), this));
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    form->addRow(tr("Type:"), value(type.comment(), this));
    if (info.isDir()) {
        int items = 0;
        QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        while (it.hasNext() && items < 100000) {
            it.next();
            ++items;
        }
        form->addRow(tr("Contains:"), value(tr("%n item(s)", nullptr, items), this));
    } else {
        form->addRow(tr("Size:"), value(tr("%1 (%2 bytes)")
                                            .arg(locale.formattedDataSize(info.size(), 1,
                                                                          QLocale::DataSizeTraditionalFormat))
                                            .arg(locale.toString(info.size())),
                                        this));
    }
    form->addRow(tr("Modified:"), value(locale.toString(info.lastModified(), QLocale::LongFormat), this));
    form->addRow(tr("Accessed:"), value(locale.toString(info.lastRead(), QLocale::LongFormat), this));
    form->addRow(tr("Permissions:"), value(permissionText(int(info.permissions())) + QLatin1String("  ") +
                                               info.owner() + QLatin1Char(':') + info.group(),
                                           this));
    form->addRow(tr("Location:"), value(info.absolutePath(), this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}
