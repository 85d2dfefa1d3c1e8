#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// An invisible area that clicks another button on every mouse release of a press that began on it,
// whichever mouse button was used and wherever the pointer is released. The click is posted, so the
// other button changes after this handler has returned.
class BypassButton : public juce::Component
{
public:
    explicit BypassButton (juce::Button& buttonToClick)
        : toggle (buttonToClick)
    {
        setAlpha (0.0f);
        setMouseCursor (juce::MouseCursor::PointingHandCursor);
    }

    ~BypassButton() override = default;

    void mouseUp (const juce::MouseEvent&) override { toggle.triggerClick(); }

    void paint (juce::Graphics&) override {}

private:
    juce::Button& toggle;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BypassButton)
};
} // namespace Gui
