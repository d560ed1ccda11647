// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The range arithmetic of the slider: minimum, maximum and value with the corrections made when they are
// set out of range, and the mapping between a knob position and a value.
class SliderRange
{
public:
    static constexpr int HighestMax = 32766;

    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int value() const { return m_value; }

    // Each setter corrects an out-of-range value and returns the error text it reports, or an
    // empty text when the value was taken as given.
    QString setMinimum(int min);
    QString setMaximum(int max);
    QString setValue(int value);

    // Knob position on a track of the given length for a value.
    static double knobPosition(int value, int min, int max, double track);
    // value for a knob position: minimum + position × (maximum − minimum) / track, halves to even.
    static int valueFromKnob(double position, int min, int max, double track);

    double knobPosition(double track) const { return knobPosition(m_value, m_min, m_max, track); }
    int valueFromKnob(double position, double track) const
    {
        return valueFromKnob(position, m_min, m_max, track);
    }

private:
    int m_min = 0;
    int m_max = HighestMax;
    int m_value = 0;
};
