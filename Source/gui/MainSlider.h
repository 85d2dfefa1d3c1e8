#pragma once

#include "BinaryData.h"

#include <cmath>
#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// A large rotary knob drawn from a filmstrip: 90 pre-rendered frames in a grid of 9 columns by 10
// rows inside one picture, each frame exactly the knob's size.
class MainSlider : public juce::Slider
{
public:
    enum Type : int
    {
        clipGain = 0,
        clipCurve = 1
    };

    class MainSliderLookAndFeel : public juce::LookAndFeel_V4
    {
    public:
        static constexpr int numColumns = 9;
        static constexpr int numFrames = 90;

        explicit MainSliderLookAndFeel (Type type)
        {
            if (type == clipCurve)
                filmStrip = juce::ImageCache::getFromMemory (BinaryData::curveKnob_png, BinaryData::curveKnob_pngSize);
            else if (type == clipGain)
                filmStrip = juce::ImageCache::getFromMemory (BinaryData::driveKnob_png, BinaryData::driveKnob_pngSize);

            setColour (juce::BubbleComponent::backgroundColourId, juce::Colour::fromString ("FF303034"));
            setColour (juce::BubbleComponent::outlineColourId, juce::Colours::transparentBlack);
        }

        ~MainSliderLookAndFeel() override = default;

        // The frame is linear in the value (skew ignored). The ceiling keeps frame 0 for the exact
        // minimum: any value above it shows at least frame 1. The frame is limited before it becomes an
        // int, and a value that is not a number shows frame 0.
        static int frameIndexFor (const juce::Slider& slider)
        {
            const auto range = slider.getRange();
            const auto proportion = (slider.getValue() - range.getStart()) / range.getLength();
            const auto frame = std::ceil (proportion * (numFrames - 1));

            if (std::isnan (frame))
                return 0;

            return static_cast<int> (juce::jlimit (0.0, static_cast<double> (numFrames - 1), frame));
        }

        // Where the frame for the slider's value lies in the filmstrip, for a frame of the given size.
        static juce::Rectangle<int> frameSourceFor (const juce::Slider& slider, int frameWidth, int frameHeight)
        {
            const auto frame = frameIndexFor (slider);
            return {(frame % numColumns) * frameWidth, (frame / numColumns) * frameHeight, frameWidth, frameHeight};
        }

        void drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float, float, float,
                               juce::Slider& slider) override
        {
            if (!slider.isEnabled())
                g.setOpacity (0.5f);

            if (!filmStrip.isValid())
                return;

            const auto source = frameSourceFor (slider, width, height);
            g.drawImage (filmStrip, x, y, width, height, source.getX(), source.getY(), source.getWidth(),
                         source.getHeight());
        }

        juce::Font getSliderPopupFont (juce::Slider&) override
        {
            return juce::Font (13.0f).withExtraKerningFactor (0.15f);
        }

        // Above the knob only.
        int getSliderPopupPlacement (juce::Slider&) override { return juce::BubbleComponent::above; }

        juce::Image filmStrip;

    private:
        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainSliderLookAndFeel)
    };

    explicit MainSlider (Type type)
        : juce::Slider (juce::Slider::RotaryHorizontalVerticalDrag, juce::Slider::NoTextBox)
        , sliderLookAndFeel (type)
    {
        setLookAndFeel (&sliderLookAndFeel);
        setMouseCursor (juce::MouseCursor::PointingHandCursor);
        setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
        setColour (juce::Slider::trackColourId, juce::Colours::transparentBlack);
        setColour (juce::Slider::backgroundColourId, juce::Colours::transparentBlack);
        setNumDecimalPlacesToDisplay (0);
    }

    ~MainSlider() override { setLookAndFeel (nullptr); }

    MainSliderLookAndFeel sliderLookAndFeel;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainSlider)
};
} // namespace Gui
