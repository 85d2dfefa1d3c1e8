#pragma once

#include <cmath>
#include <functional>
#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// A horizontal level bar: -60 dB empty, 0 dB full. It polls its level every 41 ms; the grey track
// under it is part of the editor's background picture.
class Meter : public juce::Component, private juce::Timer
{
public:
    static constexpr int refreshIntervalMs = 41;

    explicit Meter (std::function<float()> supplier)
        : valueSupplier (std::move (supplier))
    {
        startTimer (refreshIntervalMs);
    }

    ~Meter() override { stopTimer(); }

    // The bar's width in whole pixels for a level, clipped to the meter's width. It is limited
    // before the conversion, which is undefined for an infinite level (and NaN shows no bar).
    static int barWidthFor (float decibels, int meterWidth)
    {
        const auto barWidth = juce::jmap (decibels, -60.0f, 0.0f, 0.0f, static_cast<float> (meterWidth));

        if (std::isnan (barWidth))
            return 0;

        return static_cast<int> (juce::jlimit (0.0f, static_cast<float> (meterWidth), barWidth));
    }

    void paint (juce::Graphics& g) override
    {
        const auto width = barWidthFor (valueSupplier(), getWidth());

        if (width <= 0)
            return;

        g.setColour (juce::Colours::white);
        g.fillRoundedRectangle (0.0f, 0.0f, static_cast<float> (width), static_cast<float> (getHeight()), 2.0f);
    }

private:
    void timerCallback() override { repaint(); }

    std::function<float()> valueSupplier;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Meter)
};
} // namespace Gui
