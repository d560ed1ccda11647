// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ScrollingText.h"

#include "platform/Prompter.h"
#include "widgets/ReadableColour.h"
#include "widgets/ScrollingTextLayout.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>
#include <cerrno>

namespace {

// The text until one is set: the About box's credits.
const char *const DefaultText = QT_TRANSLATE_NOOP(
    "ScrollingText", "Kestrove|browses, previews and plays your media|thank you for using it");

} // namespace

ScrollingText::ScrollingText(QWidget *parent) : QFrame(parent), m_text(tr(DefaultText))
{
    setAutoFillBackground(true);
    m_hiResTimer = new QTimer(this);
    m_hiResTimer->setTimerType(Qt::PreciseTimer);
    m_hiResTimer->setInterval(m_scrollSpeed);
    connect(m_hiResTimer, &QTimer::timeout, this, &ScrollingText::tick);
    m_tickTimer = new QTimer(this);
    m_tickTimer->setInterval(SlowDownStepMs);
    connect(m_tickTimer, &QTimer::timeout, this, &ScrollingText::slowDownTick);
    drawTextPicture();
}

void ScrollingText::setText(const QString &text)
{
    m_text = text;
    drawTextPicture();
}

void ScrollingText::setFontColor(const QColor &color)
{
    m_fontColor = color;
    drawTextPicture();
}

void ScrollingText::setShadowColor(const QColor &color)
{
    m_shadowColor = color;
    drawTextPicture();
}

void ScrollingText::setShadowSize(int pixels)
{
    m_shadowSize = pixels;
    drawTextPicture();
}

void ScrollingText::setShadowDirection(int direction)
{
    m_shadowDirection = direction;
    drawTextPicture();
}

void ScrollingText::setScrollDirection(int direction)
{
    m_scrollDirection = direction;
    drawTextPicture();
}

void ScrollingText::setScrollInterval(int milliseconds)
{
    m_scrollSpeed = qMax(1, milliseconds);
    m_hiResTimer->setInterval(m_scrollSpeed);
}

void ScrollingText::setTextAlignment(int align)
{
    m_textAlign = align;
    drawTextPicture();
}

void ScrollingText::setWordWrap(bool on)
{
    m_wordWrap = on;
    drawTextPicture();
}

QColor ScrollingText::backColor() const
{
    return palette().color(QPalette::Window);
}

void ScrollingText::setBackColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    drawTextPicture();
}

int ScrollingText::currentInterval() const
{
    return m_hiResTimer->interval();
}

bool ScrollingText::isScrolling() const
{
    return m_hiResTimer->isActive();
}

bool ScrollingText::startScrolling()
{
    drawTextPicture();
    m_cleared = false;
    m_hiResTimer->start(m_paused ? m_hiResTimer->interval() : m_scrollSpeed);
    return true;
}

bool ScrollingText::stopScrolling()
{
    m_hiResTimer->stop();
    m_tickTimer->stop();
    m_paused = false;
    drawTextPicture();
    m_passes = 0;
    return true;
}

void ScrollingText::pause()
{
    m_paused = !m_paused;
    if (m_paused) {
        m_tickTimer->start();
        return;
    }
    m_tickTimer->stop();
    m_hiResTimer->start(m_scrollSpeed);
}

void ScrollingText::slowDownTick()
{
    if (const std::optional<int> slower = ScrollingTextLayout::slowDown(m_hiResTimer->interval())) {
        m_hiResTimer->setInterval(*slower);
        return;
    }
    m_hiResTimer->stop();
    m_tickTimer->stop();
}

bool ScrollingText::loadFromFile(const QString &strFilePath)
{
    if (!QFileInfo(strFilePath).isFile())
        return false;
    QFile file(strFilePath);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(EACCES, QStringLiteral("LoadFromFile"));
        return false;
    }
    setText(ScrollingTextLayout::fromFileContent(file.readAll()));
    return true;
}

void ScrollingText::refresh()
{
    update();
}

void ScrollingText::redraw()
{
    m_cleared = true;
    update();
}

QString ScrollingText::errorReport(int errorNumber, const QString &location, int line, const QString &program,
                                   int major, int minor, int revision)
{
    QString text = QStringLiteral("Error %1 in %2").arg(errorNumber).arg(location);
    if (line > 0)
        text += QStringLiteral(" (Line #: %1)").arg(line);
    text += QStringLiteral("\nwhile running %1 v%2.%3 (Build %4)")
                .arg(program)
                .arg(major)
                .arg(minor, 2, 10, QLatin1Char('0'))
                .arg(revision);
    text += QStringLiteral("\n\nError = '%1'").arg(errorNumber);
    return text;
}

void ScrollingText::reportError(int errorNumber, const QString &procedure)
{
    if (m_prompter) {
        const QString location = objectName().isEmpty() ? QStringLiteral("ScrollingText") : objectName();
        m_prompter->message(errorReport(errorNumber, location + QLatin1Char('.') + procedure, 0,
                                        QCoreApplication::applicationName(), KESTROVE_VERSION_MAJOR,
                                        KESTROVE_VERSION_MINOR, KESTROVE_VERSION_PATCH),
                            QString(), Prompter::Buttons::Ok, Prompter::Icon::Critical);
    }
    m_hiResTimer->stop();
    m_tickTimer->stop();
    redraw();
}

int ScrollingText::boxExtent() const
{
    return m_scrollDirection == ScrollingTextLayout::Left ? contentsRect().width() : contentsRect().height();
}

int ScrollingText::pictureExtent() const
{
    const QSizeF size = QSizeF(m_picture.size()) / m_picture.devicePixelRatio();
    return int(m_scrollDirection == ScrollingTextLayout::Left ? size.width() : size.height());
}

void ScrollingText::drawTextPicture()
{
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    const int shadow = qMax(0, m_shadowSize);
    const bool leftward = m_scrollDirection == ScrollingTextLayout::Left;
    const QStringList lines = ScrollingTextLayout::buildLines(
        m_text, m_scrollDirection, m_wordWrap, contentsRect().width() - 2 * shadow - 20,
        [&metrics](const QString &line) { return metrics.horizontalAdvance(line); });

    int widest = 0;
    for (const QString &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    // At least as wide as the box, so that centred and right-aligned lines sit in the box.
    const int width = qMax(widest + 2 * shadow + 20, leftward ? 0 : contentsRect().width());
    const int height = leftward ? lineHeight + shadow + 1 : int(lines.size()) * lineHeight + shadow;

    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(QSize(qMax(1, width), qMax(1, height)) * ratio);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(backColor());
    QPainter painter(&m_picture);
    painter.setFont(font());
    const QPoint step = ScrollingTextLayout::shadowStep(m_shadowDirection);
    // The colour asked for, shaded to read on the theme's background.
    const QColor ink = ReadableColour::on(backColor(), m_fontColor);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        QPoint at(ScrollingTextLayout::lineX(m_textAlign, width, metrics.horizontalAdvance(line), shadow),
                  int(i) * lineHeight + (step.y() < 0 ? shadow : 0) + metrics.ascent());
        if (shadow >= 1) {
            painter.setPen(m_shadowColor);
            for (int print = 0; print < shadow; ++print) {
                painter.drawText(at, line);
                at += step;
            }
        }
        painter.setPen(ink);
        painter.drawText(at, line);
    }
    painter.end();
    m_offset = boxExtent();
    update();
}

void ScrollingText::tick()
{
    m_cleared = false;
    --m_offset;
    update();
    if (m_offset >= -pictureExtent())
        return;
    if (m_repeatCount > 0 && ++m_passes >= m_repeatCount) {
        m_hiResTimer->stop();
        m_passes = 0;
    }
    drawTextPicture();
    Q_EMIT passFinished();
}

void ScrollingText::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    drawTextPicture();
}

void ScrollingText::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        drawTextPicture();
    QFrame::changeEvent(event);
}

void ScrollingText::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_cleared)
        return;
    QPainter painter(this);
    const QRect box = contentsRect();
    painter.setClipRect(box);
    const QPoint at = m_scrollDirection == ScrollingTextLayout::Left
                          ? QPoint(box.left() + m_offset, box.top())
                          : QPoint(box.left(), box.top() + m_offset);
    painter.drawPixmap(at, m_picture);
}
