#pragma once

#include "BinaryData.h"

#include <cmath>
#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// The small trim knob: one knob face turned to the angle of the knob's value.
class AuxSlider : public juce::Slider
{
public:
    class AuxSliderLookAndFeel : public juce::LookAndFeel_V4
    {
    public:
        AuxSliderLookAndFeel()
        {
            setColour (juce::BubbleComponent::backgroundColourId, juce::Colour::fromString ("FF303034"));
            setColour (juce::BubbleComponent::outlineColourId, juce::Colours::transparentBlack);
        }

        ~AuxSliderLookAndFeel() override = default;

        void drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float sliderPos,
                               float rotaryStartAngle, float rotaryEndAngle, juce::Slider& slider) override
        {
            // A value that is not a number (the framework passes its position as it is) shows the start.
            const auto position = std::isnan (sliderPos) ? 0.0f : sliderPos;
            const auto angle = rotaryStartAngle + position * (rotaryEndAngle - rotaryStartAngle);

            // The pivot uses the width for both coordinates: the knob is laid out square.
            const auto radius = static_cast<float> (slider.getWidth()) * 0.5f;
            const auto rotation = juce::AffineTransform::rotation (angle, radius, radius);

            const auto face = juce::Drawable::createFromImageData (BinaryData::trimKnob_png,
                                                                   static_cast<size_t> (BinaryData::trimKnob_pngSize));
            if (face == nullptr)
                return;

            face->setTransformToFit (juce::Rectangle<int> (x, y, width, height).toFloat(),
                                     juce::RectanglePlacement (juce::RectanglePlacement::xLeft));
            face->draw (g, 1.0f, rotation);
        }

        juce::Font getSliderPopupFont (juce::Slider&) override
        {
            return juce::Font (13.0f).withExtraKerningFactor (0.15f);
        }

    private:
        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AuxSliderLookAndFeel)
    };

    AuxSlider()
        : juce::Slider (juce::Slider::RotaryHorizontalVerticalDrag, juce::Slider::NoTextBox)
    {
        setLookAndFeel (&sliderLookAndFeel);
        setMouseCursor (juce::MouseCursor::PointingHandCursor);
        setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
        setColour (juce::Slider::trackColourId, juce::Colours::transparentBlack);
        setColour (juce::Slider::backgroundColourId, juce::Colours::transparentBlack);
    }

    ~AuxSlider() override { setLookAndFeel (nullptr); }

    AuxSliderLookAndFeel sliderLookAndFeel;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AuxSlider)
};
} // namespace Gui
