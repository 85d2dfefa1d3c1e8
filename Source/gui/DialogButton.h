#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// A text button drawn as a flat rectangle.
class DialogButton : public juce::TextButton
{
public:
    class PresetButtonLookAndFeel : public juce::LookAndFeel_V4
    {
    public:
        PresetButtonLookAndFeel() = default;
        ~PresetButtonLookAndFeel() override = default;

        void drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                                   bool isMouseOverButton, bool isButtonDown) override
        {
            auto face = backgroundColour.withMultipliedSaturation (button.hasKeyboardFocus (true) ? 1.3f : 0.9f)
                            .withMultipliedAlpha (button.isEnabled() ? 1.0f : 0.5f);

            if (isButtonDown || isMouseOverButton)
                face = face.contrasting (isButtonDown ? 0.2f : 0.05f);

            g.setColour (face);
            g.fillRect (button.getLocalBounds());
        }

    private:
        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetButtonLookAndFeel)
    };

    explicit DialogButton (const juce::String& buttonText)
        : juce::TextButton (buttonText)
    {
        setMouseCursor (juce::MouseCursor::PointingHandCursor);
        setButtonText (buttonText);
        setColour (juce::TextButton::buttonColourId, juce::Colour::fromString ("FF252528"));
        setLookAndFeel (&buttonLookAndFeel);
    }

    ~DialogButton() override { setLookAndFeel (nullptr); }

private:
    PresetButtonLookAndFeel buttonLookAndFeel;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DialogButton)
};
} // namespace Gui
