// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutDialog.h"

#include "platform/Prompter.h"
#include "widgets/EtchedLine.h"
#include "widgets/ScrollingText.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString &versionTitle, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About %1").arg(versionTitle));

    auto *title = new QLabel(versionTitle, this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    title->setCursor(Qt::PointingHandCursor);
    title->installEventFilter(this);

    auto *licence = new QLabel(tr("Free software: GPL-3.0-or-later"), this);
    licence->setObjectName(QStringLiteral("licenceLabel"));
    QFont bold = licence->font();
    bold.setBold(true);
    licence->setFont(bold);

    auto *credits = new ScrollingText(this);
    credits->setObjectName(QStringLiteral("credits"));
    credits->setPrompter(&prompter);
    credits->setFrameShape(QFrame::StyledPanel);
    credits->setWordWrap(true);
    credits->setMinimumSize(320, 70);
    credits->startScrolling();

    // The licence's own short notice.
    auto *disclaimer = new QLabel(
        tr("This program is free software: you can redistribute it and/or modify it under the terms of "
           "the GNU General Public License as published by the Free Software Foundation, either version 3 "
           "of the License, or (at your option) any later version.") +
            QLatin1String("\n\n") +
            tr("This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
               "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. "
               "See the GNU General Public License for more details."),
        this);
    disclaimer->setObjectName(QStringLiteral("disclaimerLabel"));
    disclaimer->setWordWrap(true);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *sysInfo = new QPushButton(tr("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("systemInformationButton"));
    // Offered even where nothing is found to start: the button then says so.
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::startSystemInformation);

    auto *top = new EtchedLine(this);
    top->setObjectName(QStringLiteral("upperLine"));
    auto *bottom = new EtchedLine(this);
    bottom->setObjectName(QStringLiteral("lowerLine"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();
    auto *notice = new QHBoxLayout;
    notice->addWidget(disclaimer, 1);
    notice->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(licence);
    layout->addWidget(top);
    layout->addWidget(credits, 1);
    layout->addWidget(bottom);
    layout->addLayout(notice);
    setMinimumWidth(440);
}

QStringList AboutDialog::systemInformationPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("lshw-gtk")};
}

QString AboutDialog::findSystemInformation()
{
    for (const QString &program : systemInformationPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void AboutDialog::startSystemInformation()
{
    const QString path = findSystemInformation();
    if (!path.isEmpty() && QProcess::startDetached(path, {}))
        return;
    m_prompter.message(tr("System Information Is Unavailable At This Time"), windowTitle(),
                       Prompter::Buttons::Ok, Prompter::Icon::None);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched->objectName() == QLatin1String("titleLabel"))
        Q_EMIT titleClicked();
    return QDialog::eventFilter(watched, event);
}
