#include "Search.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Search::Search(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Searching...."));
    setWindowModality(Qt::ApplicationModal);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // A fixed width keeps the window from changing size with every path shown.
    Label1->setFixedWidth(PathWidth + Label1->fontMetrics().horizontalAdvance(tr("Adding file:")) + 8);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1"));
    connect(cancel, &QPushButton::clicked, this, &Search::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addLayout(buttons);
}

void Search::setLines(const QString &first, const QString &second)
{
    Label1->setText(first);
    Label2->setText(second);
}

void Search::showFound(const QString &path, int count)
{
    const QString shortened = Label1->fontMetrics().elidedText(path, Qt::ElideMiddle, PathWidth).trimmed();
    setLines(tr("Adding file:") + shortened, tr("Files found so far : ") + QString::number(count));
}

void Search::finish()
{
    m_finished = true;
    accept();
}

void Search::reject()
{
    if (!m_finished) {
        m_finished = true;
        Q_EMIT cancelRequested();
    }
    QDialog::reject();
}
