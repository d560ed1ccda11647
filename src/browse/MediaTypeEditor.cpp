// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/MediaTypeEditor.h"

#include "browse/EntryListModel.h"
#include "browse/EntryListView.h"
#include "core/MediaTypes.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MediaTypeEditor::MediaTypeEditor(MediaTypes &types, QWidget *parent) : QDialog(parent), m_types(types)
{
    setWindowTitle(tr("Drag'n' Drop Extentions"));

    auto *label = new QLabel(tr("Supported extentions:"), this);
    m_list = new EntryListView(this);
    m_list->setObjectName(QStringLiteral("typeList"));
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    label->setBuddy(m_list);
    for (int row = 0; row < m_types.count(); ++row) {
        m_list->items()->addItem(m_types.extension(row));
        m_list->setRowSelected(row, m_types.dragDrop(row));
    }

    auto makeButton = [this](const char *name, const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton *ok = makeButton("okButton", tr("Ok"));
    QPushButton *cancel = makeButton("cancelButton", tr("Cancel"));
    QPushButton *selectAll = makeButton("selectAllButton", tr("Select all"));
    QPushButton *clearAll = makeButton("clearAllButton", tr("Clear all"));
    ok->setDefault(true);

    connect(ok, &QPushButton::clicked, this, [this] {
        applyChoices();
        m_finished = true;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &MediaTypeEditor::reject);
    connect(selectAll, &QPushButton::clicked, m_list, &QAbstractItemView::selectAll);
    connect(clearAll, &QPushButton::clicked, m_list, &QAbstractItemView::clearSelection);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(selectAll);
    buttons->addWidget(clearAll);
    buttons->addStretch();

    auto *body = new QHBoxLayout;
    body->addWidget(m_list, 1);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(body, 1);
}

void MediaTypeEditor::applyChoices()
{
    for (int row = 0; row < m_list->items()->count(); ++row)
        m_types.setDragDrop(row, m_list->isRowSelected(row));
}

void MediaTypeEditor::reject()
{
    if (!m_finished) {
        m_cancelled = true;
        m_finished = true;
    }
    QDialog::reject();
}

void MediaTypeEditor::closeEvent(QCloseEvent *event)
{
    if (!m_finished) {
        applyChoices();
        m_finished = true;
    }
    QDialog::closeEvent(event);
}
