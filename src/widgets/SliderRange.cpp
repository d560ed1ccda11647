// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SliderRange.h"

#include "core/Rounding.h"

QString SliderRange::setMinimum(int min)
{
    QString error;
    if (min < 0) {
        error = QStringLiteral("ERROR! Cannot set min value to negative ! (below 0 )");
        min = 0;
    } else if (min > m_max - 1) {
        error = QStringLiteral("ERROR! Cannot set MIN above (MAX - 1)");
        min = m_max - 1;
    }
    m_min = min;
    // The value follows a range that moved past it, so the knob always stands on the track.
    m_value = qBound(m_min, m_value, m_max);
    return error;
}

QString SliderRange::setMaximum(int max)
{
    QString error;
    if (max < m_min + 1) {
        error = QStringLiteral("ERROR! Cannot set MAX below (MIN + 1)");
        max = m_min + 1;
    } else if (max > HighestMax) {
        error = QStringLiteral("ERROR! Can't set MAX above 32766");
        max = HighestMax;
    }
    m_max = max;
    m_value = qBound(m_min, m_value, m_max);
    return error;
}

QString SliderRange::setValue(int value)
{
    QString error;
    if (value > m_max) {
        error = QStringLiteral("Value cannot be set bigger than Max !");
        value = m_max;
    } else if (value < m_min) {
        error = QStringLiteral("Value cannot be set smaller than Min !");
        value = m_min;
    }
    m_value = value;
    return error;
}

double SliderRange::knobPosition(int value, int min, int max, double track)
{
    if (max <= min || track <= 0)
        return 0;
    return double(value - min) * track / double(max - min);
}

int SliderRange::valueFromKnob(double position, int min, int max, double track)
{
    if (track <= 0)
        return min;
    return min + Rounding::halfEven(position * double(max - min) / track);
}
