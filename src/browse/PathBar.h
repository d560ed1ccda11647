// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;

// The strip above the panes: "Path:", the path box and the auto-arrange button. Files dropped on
// the strip are handed on as paths.
class PathBar : public QFrame
{
    Q_OBJECT

public:
    explicit PathBar(QWidget *parent = nullptr);

    QLineEdit *pathBox() const { return m_pathBox; }
    QString text() const;
    void setText(const QString &text);
    // Adds the separator to a folder path and puts the cursor at the end.
    void tidyFolderText();
    // Gives the box the focus with its text selected, ready to be typed over.
    void selectForTyping();
    // Says beside the box, until its text changes, what is wrong with the path typed in it; the
    // text is kept for correcting.
    void showProblem(const QString &problem);
    // Says a notice in the same place, until the box's text changes, leaving the focus where it is.
    void showNotice(const QString &notice);
    // The problem said now; empty when none is.
    QString problem() const;

    // True when the drag or drop carries at least one local file.
    static bool carriesLocalFile(const QMimeData *data);
    // The first local file of a drop; empty when there is none.
    static QString firstLocalFile(const QMimeData *data);

Q_SIGNALS:
    void pathEntered(const QString &text);
    void pathDropped(const QString &path);
    void autoArrangeClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_pathBox = nullptr;
    QWidget *m_problem = nullptr;
    QLabel *m_warning = nullptr;
    QLabel *m_problemText = nullptr;
};
