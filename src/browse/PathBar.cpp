// SPDX-License-Identifier: GPL-3.0-or-later
#include "browse/PathBar.h"

#include "browse/DroppedFiles.h"
#include "core/Paths.h"
#include "platform/NativePath.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>

PathBar::PathBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pathBar"));
    auto *label = new QLabel(tr("Path:"), this);
    label->setObjectName(QStringLiteral("pathLabel"));
    m_pathBox = new QLineEdit(this);
    m_pathBox->setObjectName(QStringLiteral("pathBox"));
    label->setBuddy(m_pathBox);
    connect(m_pathBox, &QLineEdit::returnPressed, this, [this] { Q_EMIT pathEntered(m_pathBox->text()); });
    // A problem with the typed path is said beside the box until the path is changed.
    m_problem = new QWidget(this);
    m_problem->setObjectName(QStringLiteral("pathProblem"));
    m_warning = new QLabel(m_problem);
    m_warning->setObjectName(QStringLiteral("pathProblemSign"));
    m_problemText = new QLabel(m_problem);
    m_problemText->setTextFormat(Qt::PlainText);
    auto *problemRow = new QHBoxLayout(m_problem);
    problemRow->setContentsMargins(0, 0, 0, 0);
    problemRow->addWidget(m_warning);
    problemRow->addWidget(m_problemText);
    m_problem->hide();
    connect(m_pathBox, &QLineEdit::textChanged, m_problem, &QWidget::hide);
    auto *arrange = new QPushButton(tr("Auto arrange"), this);
    arrange->setObjectName(QStringLiteral("autoArrangeButton"));
    arrange->setFocusPolicy(Qt::ClickFocus);
    connect(arrange, &QPushButton::clicked, this, &PathBar::autoArrangeClicked);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(label);
    layout->addWidget(m_pathBox, 1);
    layout->addWidget(m_problem);
    layout->addWidget(arrange);
    // The line edit would take a dropped file's URL as text; the whole strip opens it instead.
    for (QWidget *target :
         {static_cast<QWidget *>(this), static_cast<QWidget *>(label), static_cast<QWidget *>(m_pathBox)}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
}

QString PathBar::text() const
{
    return m_pathBox->text();
}

void PathBar::setText(const QString &text)
{
    m_pathBox->setText(text);
}

void PathBar::tidyFolderText()
{
    const QString text = m_pathBox->text();
    if (Paths::folderExists(text) && !text.endsWith(Paths::Separator))
        m_pathBox->setText(text + Paths::Separator);
    m_pathBox->setCursorPosition(int(m_pathBox->text().size()));
}

void PathBar::selectForTyping()
{
    m_pathBox->setFocus();
    m_pathBox->selectAll();
}

void PathBar::showNotice(const QString &notice)
{
    // Made on first need: few starts show the sign, and looking up and reading the style's icon
    // is work the first window can do without.
    if (m_warning->pixmap().isNull()) {
        const int side = m_pathBox->fontMetrics().height();
        m_warning->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    }
    m_problemText->setText(notice);
    m_problem->setToolTip(notice);
    m_problem->show();
}

void PathBar::showProblem(const QString &problem)
{
    showNotice(problem);
    // The path stays as typed, ready to be corrected.
    m_pathBox->setFocus();
    m_pathBox->deselect();
}

QString PathBar::problem() const
{
    return m_problem->isHidden() ? QString() : m_problemText->text();
}

bool PathBar::carriesLocalFile(const QMimeData *data)
{
    return !firstLocalFile(data).isEmpty();
}

QString PathBar::firstLocalFile(const QMimeData *data)
{
    return DroppedFiles::paths(data).value(0);
}

bool PathBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (carriesLocalFile(drag->mimeData())) {
            drag->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = firstLocalFile(drop->mimeData());
        if (!path.isEmpty()) {
            // The file is only opened: the source must not think it was moved or copied.
            drop->setDropAction(Qt::IgnoreAction);
            drop->accept();
            Q_EMIT pathDropped(path);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
