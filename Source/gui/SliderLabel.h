#pragma once

#include "Parameters.h"

#include <functional>
#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// A caption that remembers the text it was made with, so that its owner can show a value in it for
// a while and then put the caption back.
class SliderLabel : public juce::Label
{
public:
    explicit SliderLabel (const juce::String& text)
        : juce::Label (text, text)
        , defaultText (text)
    {
        setJustificationType (juce::Justification::centred);
        setText (defaultText, juce::dontSendNotification);
        setColour (juce::Label::textColourId, Parameters::Color::offGrey);
        setFont (juce::Font (12.0f).withExtraKerningFactor (0.3f));
    }

    ~SliderLabel() override = default;

    // Neither handler passes the event on: the caption never opens a text editor.
    void mouseUp (const juce::MouseEvent&) override
    {
        if (onMouseUp != nullptr)
            onMouseUp();
    }

    void mouseDoubleClick (const juce::MouseEvent&) override
    {
        if (onDoubleClick != nullptr)
            onDoubleClick();
    }

    std::function<void()> onDoubleClick;
    std::function<void()> onMouseUp;
    const juce::String defaultText;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SliderLabel)
};
} // namespace Gui
