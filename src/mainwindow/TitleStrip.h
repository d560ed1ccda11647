// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A panel's title strip: the caption centred on a horizontal rule, with a gap of 45 twips on each
// side of the text. Releasing a mouse button over it is reported with the strip's index.
class TitleStrip : public QWidget
{
    Q_OBJECT

public:
    TitleStrip(int index, const QString &caption, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // Where the rule stops left of the caption and starts again right of it, in pixels.
    static QPair<int, int> ruleGap(int stripWidth, int textWidth, double twipsPerPixel);

    // A click of the button, as its release over the strip's middle.
    void click(Qt::MouseButton button);

    // The height the strip needs for its caption, without measuring the caption's width.
    int stripHeight() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void released(int index, Qt::MouseButton button, const QPoint &globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    QString m_caption;
};
