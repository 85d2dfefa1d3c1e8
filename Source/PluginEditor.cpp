#include "PluginEditor.h"

#include <cmath>
#include <functional>
#include <memory>
#include <utility>

namespace
{
// JUCE wraps a scroll-wheel step and a double-click return to the default in a drag start and a drag
// end of their own, around the value change. The knobs' release handlers are for the release of a
// press on the knob only: JUCE marks the thumb as dragged before it starts the drag of a press, and
// never for the other two, so the drag start tells them apart.
void callOnRelease (juce::Slider& knob, std::function<void()> handler)
{
    auto pressed = std::make_shared<bool> (false);
    knob.onDragStart = [&knob, pressed] { *pressed = knob.getThumbBeingDragged() >= 0; };
    knob.onDragEnd = [pressed, handler = std::move (handler)]
    {
        if (std::exchange (*pressed, false))
            handler();
    };
}
} // namespace

VantrelAudioProcessorEditor::VantrelAudioProcessorEditor (VantrelAudioProcessor& processorToEdit)
    : juce::AudioProcessorEditor (processorToEdit)
    , audioProcessor (processorToEdit)
    , apvts (processorToEdit.apvts)
    , animationSection (processorToEdit)
{
    using SliderAttachment = juce::AudioProcessorValueTreeState::SliderAttachment;
    using ButtonAttachment = juce::AudioProcessorValueTreeState::ButtonAttachment;

    // The attachments set each control from its parameter at once, before the handlers below exist
    // and before the editor listens, so opening the editor triggers none of them.
    sliderAttachments.push_back (std::make_unique<SliderAttachment> (apvts, Parameters::Clip::gain.id, clipSlider));
    sliderAttachments.push_back (
        std::make_unique<SliderAttachment> (apvts, Parameters::Clip::curve.id, clipCurveSlider));
    sliderAttachments.push_back (std::make_unique<SliderAttachment> (apvts, Parameters::Main::inputGain.id, inSlider));
    sliderAttachments.push_back (
        std::make_unique<SliderAttachment> (apvts, Parameters::Main::outputGain.id, outSlider));

    buttonAttachments.push_back (std::make_unique<ButtonAttachment> (apvts, Parameters::Clip::bypass.id, bypassToggle));
    buttonAttachments.push_back (
        std::make_unique<ButtonAttachment> (apvts, Parameters::Main::oversampling.id, qualityButton));

    for (auto* child : std::initializer_list<juce::Component*>{&animationSection, &clipSlider, &clipCurveSlider,
                                                               &inSlider, &outSlider, &clipLabel, &bypassToggle,
                                                               &bypassButton, &qualityButton, &infoDialogButton})
        addAndMakeVisible (child);

    // Topmost, so that while shown it takes every click.
    addChildComponent (infoDialog);

    infoDialogButton.setAlpha (0.0f);
    infoDialogButton.setMouseCursor (juce::MouseCursor::PointingHandCursor);

    clipSlider.onValueChange = [this]
    {
        if (!undoRefusedValue (clipSlider, Parameters::Clip::gain.id))
            showClipReadout();
    };
    callOnRelease (clipSlider,
                   [this]
                   {
                       releaseBypass();
                       clipLabel.setText (clipLabel.defaultText, juce::dontSendNotification);
                   });
    clipCurveSlider.onValueChange = [this]
    {
        if (!undoRefusedValue (clipCurveSlider, Parameters::Clip::curve.id))
            releaseBypass();
    };
    callOnRelease (clipCurveSlider, [this] { releaseBypass(); });

    // The callbacks run after every listener of the control, the attachment included.
    inSlider.onValueChange = [this] { undoRefusedValue (inSlider, Parameters::Main::inputGain.id); };
    outSlider.onValueChange = [this] { undoRefusedValue (outSlider, Parameters::Main::outputGain.id); };
    qualityButton.onClick = [this] { undoRefusedValue (qualityButton, Parameters::Main::oversampling.id); };
    bypassToggle.onClick = [this]
    {
        if (!undoRefusedValue (bypassToggle, Parameters::Clip::bypass.id))
            return;

        // buttonClicked saw the toggle change before the attachment, and took it for a real one.
        bypassReleasePending = releasePendingBeforeToggleChanged;
        showBypassState();
    };

    // The drive knob shows its value in the caption under it instead of a bubble.
    for (auto* slider : std::initializer_list<juce::Slider*>{&inSlider, &outSlider, &clipCurveSlider})
        slider->setPopupDisplayEnabled (true, false, this, 2000);

    // Replaces the attachment's value text, so only the bubble changes; typing keeps the
    // attachment's parser.
    clipCurveSlider.textFromValueFunction = [] (double value) { return curveText (value); };

    bypassToggle.addListener (this);
    infoDialogButton.addListener (this);

    // The attachment set the toggle before the editor listened: an editor opened while the clip
    // stage is bypassed opens dimmed, as it would be had it been open when the bypass came on.
    showBypassState();

    setLookAndFeel (&baseLookAndFeel);

    setResizable (false, false);
    setSize (Parameters::Bounds::background.getWidth(), Parameters::Bounds::background.getHeight());

    openGLContext.attachTo (*getTopLevelComponent());
}

VantrelAudioProcessorEditor::~VantrelAudioProcessorEditor()
{
    bypassToggle.removeListener (this);
    infoDialogButton.removeListener (this);
    setLookAndFeel (nullptr);
}

void VantrelAudioProcessorEditor::paint (juce::Graphics& g)
{
    const auto background =
        juce::ImageCache::getFromMemory (BinaryData::background_jpg, BinaryData::background_jpgSize);

    if (background.isValid())
        g.drawImage (background, Parameters::Bounds::background.toFloat(), juce::RectanglePlacement::stretchToFit);
}

void VantrelAudioProcessorEditor::resized()
{
    infoDialog.setBounds (getLocalBounds());
    infoDialogButton.setBounds (Parameters::Bounds::infoDialogButton);
    animationSection.setBounds (getLocalBounds());
    clipSlider.setBounds (Parameters::Bounds::clipSlider);
    clipCurveSlider.setBounds (Parameters::Bounds::clipCurveSlider);
    inSlider.setBounds (Parameters::Bounds::inSlider);
    outSlider.setBounds (Parameters::Bounds::outSlider);
    clipLabel.setBounds (Parameters::Bounds::clipLabel);
    qualityButton.setBounds (Parameters::Bounds::qualityButton);
    bypassButton.setBounds (Parameters::Bounds::clipAnimation);
}

void VantrelAudioProcessorEditor::buttonClicked (juce::Button* button)
{
    if (button == &bypassToggle)
    {
        // Whatever changed the toggle, a posted release has either arrived or is now moot (unless the
        // change turns out to be a refused value, which is undone).
        releasePendingBeforeToggleChanged = std::exchange (bypassReleasePending, false);
        showBypassState();
    }

    if (button == &infoDialogButton)
        infoDialog.setVisible (true);
}

// JUCE's attachments show the value a parameter change is announced with, not the value the parameter
// holds. The two differ when the parameter refused the value (a host's NaN or infinity): the processor
// has put the parameter's own value back before the attachments hear of the change. The control is then
// set back to that value, telling no one, and the change is otherwise ignored.
bool VantrelAudioProcessorEditor::undoRefusedValue (juce::Slider& knob, const juce::String& parameterID)
{
    const auto& parameter = *apvts.getParameter (parameterID);
    const auto held = static_cast<double> (parameter.convertFrom0to1 (parameter.getValue()));

    if (knob.getValue() == held)
        return false;

    knob.setValue (held, juce::dontSendNotification);
    return true;
}

bool VantrelAudioProcessorEditor::undoRefusedValue (juce::Button& toggle, const juce::String& parameterID)
{
    const auto held = apvts.getParameter (parameterID)->getValue() >= 0.5f;

    if (toggle.getToggleState() == held)
        return false;

    toggle.setToggleState (held, juce::dontSendNotification);
    return true;
}

void VantrelAudioProcessorEditor::showBypassState()
{
    const auto alpha = bypassToggle.getToggleState() ? 0.5f : 1.0f;
    clipSlider.setAlpha (alpha);
    clipCurveSlider.setAlpha (alpha);
    clipLabel.setAlpha (alpha);
}

// Moving or letting go of a clip knob makes the clip stage audible again. The click is posted;
// until it arrives the toggle still reads on, so a second request in the meantime (two knobs set
// one after the other by a restored state) would turn the bypass back on: it is skipped.
void VantrelAudioProcessorEditor::releaseBypass()
{
    if (!bypassToggle.getToggleState() || bypassReleasePending)
        return;

    bypassReleasePending = true;
    bypassToggle.triggerClick();
}

void VantrelAudioProcessorEditor::showClipReadout()
{
    releaseBypass();

    const auto range = clipSlider.getRange();
    const auto percent = (clipSlider.getValue() - range.getStart()) * 100.0 / range.getLength();
    clipLabel.setText (clipReadoutText (percent), juce::dontSendNotification);

    if (clipSlider.isMouseOverOrDragging())
        return;

    // Every change made with the pointer elsewhere gets its own restore; none cancels another.
    restoreClipCaptionAt (juce::Time::getMillisecondCounter() + (juce::uint32)readoutHoldMs);
}

// JUCE's timer thread can fire a newly started timer early, by as long as it has slept since it
// last woke, so the restore looks at the clock and waits out whatever is left of the hold.
void VantrelAudioProcessorEditor::restoreClipCaptionAt (juce::uint32 dueMs)
{
    const auto remainingMs = [dueMs] { return (int)(dueMs - juce::Time::getMillisecondCounter()); };

    juce::Timer::callAfterDelay (
        std::max (1, remainingMs()),
        [safeThis = juce::Component::SafePointer<VantrelAudioProcessorEditor> (this), dueMs, remainingMs]
        {
            if (safeThis == nullptr)
                return;

            if (remainingMs() > 0)
                safeThis->restoreClipCaptionAt (dueMs);
            else
                safeThis->clipLabel.setText (safeThis->clipLabel.defaultText, juce::dontSendNotification);
        });
}

juce::String VantrelAudioProcessorEditor::clipReadoutText (double percent)
{
    if (!std::isfinite (percent))
        return {};

    if (percent == 0.0)
        return "0.0";

    const auto decimals = 2 - static_cast<int> (std::ceil (std::log10 (std::abs (percent))));
    const auto scale = std::pow (10.0, decimals);
    const auto rounded = std::round (percent * scale) / scale; // halves away from zero

    if (decimals <= 0)
        return juce::String (static_cast<juce::int64> (rounded));

    return juce::String (rounded, decimals);
}

juce::String VantrelAudioProcessorEditor::curveText (double value)
{
    return "SOFT / HARD: " + juce::String (value, 1) + " %";
}
