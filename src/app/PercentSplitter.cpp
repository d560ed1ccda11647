#include "PercentSplitter.h"

#include "Rounding.h"

#include <QResizeEvent>

PercentSplitter::PercentSplitter(QWidget *parent) : QSplitter(Qt::Horizontal, parent)
{
    setChildrenCollapsible(false);
    setOpaqueResize(false);
    connect(this, &QSplitter::splitterMoved, this, &PercentSplitter::takePercentFromBar);
}

void PercentSplitter::setDefLeftProc(int percent)
{
    m_defLeftProc = qBound(m_minSize, percent, 99);
    applyPercent();
}

void PercentSplitter::resizeEvent(QResizeEvent *event)
{
    QSplitter::resizeEvent(event);
    applyPercent();
}

void PercentSplitter::applyPercent()
{
    if (count() < 2)
        return;
    const int total = width() - handleWidth();
    if (total <= 0)
        return;
    const int left = total * m_defLeftProc / 100;
    setSizes({left, total - left});
}

void PercentSplitter::takePercentFromBar()
{
    const QList<int> paneSizes = sizes();
    const int total = paneSizes.value(0) + paneSizes.value(1);
    if (total <= 0)
        return;
    m_defLeftProc = qBound(m_minSize, Rounding::halfEven(100.0 * paneSizes.value(0) / total), 99);
}
