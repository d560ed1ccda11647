// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPixmap>

class Prompter;
class QTimer;

// A text scrolling through a fixed box: lines moving up (credits) or one line moving left
// (marquee), drawn once with an optional drop shadow and moved one pixel per timer tick. It can
// pause with a gradual slow-down, repeat a number of passes and report the end of each pass.
class ScrollingText : public QFrame
{
    Q_OBJECT

public:
    // How often a pause slows the scroll down by one step: slow enough for the eye to follow.
    static constexpr int SlowDownStepMs = 150;

    explicit ScrollingText(QWidget *parent = nullptr);

    // Where the error report goes; none shows nothing.
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

    QString text() const { return m_text; }
    void setText(const QString &text);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);
    QColor shadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor &color);
    int shadowSize() const { return m_shadowSize; }
    void setShadowSize(int pixels);
    int shadowDirection() const { return m_shadowDirection; }
    void setShadowDirection(int direction);
    int scrollDirection() const { return m_scrollDirection; }
    void setScrollDirection(int direction);
    int scrollInterval() const { return m_scrollSpeed; }
    void setScrollInterval(int milliseconds);
    int repeatCount() const { return m_repeatCount; }
    void setRepeatCount(int passes) { m_repeatCount = passes; }
    int textAlignment() const { return m_textAlign; }
    void setTextAlignment(int align);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);
    QColor backColor() const;
    void setBackColor(const QColor &color);

    bool startScrolling();
    bool stopScrolling();
    void pause();
    bool isScrolling() const;
    bool isPaused() const { return m_paused; }
    bool loadFromFile(const QString &strFilePath);
    void refresh();
    void redraw();

    // The interval the scroll runs at now, in milliseconds (it grows while pausing).
    int currentInterval() const;
    int offset() const { return m_offset; }
    const QPixmap &textPicture() const { return m_picture; }
    int passesCompleted() const { return m_passes; }

    // The text of the error report shown when a procedure of the control fails.
    static QString errorReport(int errorNumber, const QString &location, int line, const QString &program,
                               int major, int minor, int revision);

Q_SIGNALS:
    void passFinished();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawTextPicture();
    void tick();
    void slowDownTick();
    void reportError(int errorNumber, const QString &procedure);
    int boxExtent() const;
    int pictureExtent() const;

    Prompter *m_prompter = nullptr;
    QString m_text;
    QColor m_fontColor = Qt::red;
    QColor m_shadowColor = Qt::yellow;
    int m_shadowSize = 1;
    int m_shadowDirection = 4;
    int m_scrollDirection = 1;
    int m_scrollSpeed = 10;
    int m_repeatCount = 0;
    int m_textAlign = 1;
    bool m_wordWrap = false;

    QPixmap m_picture;
    int m_offset = 0;
    int m_passes = 0;
    bool m_paused = false;
    bool m_cleared = false;
    QTimer *m_hiResTimer = nullptr;
    QTimer *m_tickTimer = nullptr;
};
