// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A progress bar: the percentage (and an optional text) printed in the middle, the filled part
// drawn over it from the left. Where the filled part covers the text, the text is drawn again in
// the background colour so it stays legible.
class TextProgressBar : public QWidget
{
    Q_OBJECT

public:
    explicit TextProgressBar(QWidget *parent = nullptr);

    // "NN%", or the text, a blank and "NN%" when a text is given.
    static QString barText(int percent, const QString &text);
    // Width of the filled part for a percentage on a bar of the given width.
    static int fillWidth(int barWidth, int percent);

    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    QColor foreColor() const;
    void setForeColor(const QColor &color);
    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor &color);
    bool showsText() const { return m_showText; }
    void setShowText(bool on);

    int percent() const { return m_percent; }
    QString text() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    // Shows a percentage (0 to 100) and a text; repaints only when something changed.
    void setProgress(int percent, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_borderStyle = 0;
    QColor m_backColor = Qt::white;
    QColor m_foreColor;
    QColor m_fillColor = Qt::black;
    bool m_showText = true;
    int m_percent = 0;
    QString m_text;
};
