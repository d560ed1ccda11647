// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/FileTypeChooser.h"

#include "core/MediaTypes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

FileTypeChooser::FileTypeChooser(const MediaTypes &types, const QString &caption, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption.isEmpty() ? tr("Add files to EditList") : caption);

    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("typeChoice"));
    m_combo->addItem(QStringLiteral("*.*"));
    for (int row = 0; row < types.count(); ++row) {
        const QString extension = types.extension(row);
        if (!extension.isEmpty())
            m_combo->addItem(QLatin1Char('*') + extension);
    }
    m_combo->setCurrentIndex(0);

    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, [this] {
        m_chosen = m_combo->currentText();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_combo);
    layout->addLayout(buttons);
    setMinimumWidth(280);
}

QString FileTypeChooser::choose(const MediaTypes &types, const QString &caption, QWidget *parent)
{
    FileTypeChooser dialog(types, caption, parent);
    dialog.exec();
    return dialog.chosenPattern();
}
