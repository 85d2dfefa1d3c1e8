#pragma once

#include "PluginProcessor.h"
#include "gui/AnimationSection.h"
#include "gui/AuxSlider.h"
#include "gui/BaseLookAndFeel.h"
#include "gui/BypassButton.h"
#include "gui/ImageToggleButton.h"
#include "gui/InfoDialog.h"
#include "gui/MainSlider.h"
#include "gui/SliderLabel.h"

#include <juce_opengl/juce_opengl.h>

#include <memory>
#include <vector>

// The plug-in's window: a fixed 218 x 523 bitmap editor with the two clip knobs, the trim knobs,
// the quality switch, the clip animation with its level bars, an invisible bypass area over the
// animation and the information overlay, rendered through OpenGL.
class VantrelAudioProcessorEditor : public juce::AudioProcessorEditor, public juce::Button::Listener
{
public:
    explicit VantrelAudioProcessorEditor (VantrelAudioProcessor&);
    ~VantrelAudioProcessorEditor() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    void buttonClicked (juce::Button*) override;

    // The drive readout for a knob position in percent of its travel: two significant digits,
    // the count of decimals chosen before rounding. A position that is not a finite number has none.
    static juce::String clipReadoutText (double percent);

    // The curve knob's value text.
    static juce::String curveText (double value);

    // The delay after which the readout returns to its caption.
    static constexpr int readoutHoldMs = 500;

private:
    friend class EditorTestAccess;

    bool undoRefusedValue (juce::Slider& knob, const juce::String& parameterID);
    bool undoRefusedValue (juce::Button& toggle, const juce::String& parameterID);
    void showBypassState();
    void releaseBypass();
    void showClipReadout();
    void restoreClipCaptionAt (juce::uint32 dueMs);

    VantrelAudioProcessor& audioProcessor;
    juce::AudioProcessorValueTreeState& apvts;

    juce::OpenGLContext openGLContext;

    Gui::InfoDialog infoDialog;
    Gui::AnimationSection animationSection;
    Gui::MainSlider clipSlider{Gui::MainSlider::clipGain};
    Gui::MainSlider clipCurveSlider{Gui::MainSlider::clipCurve};
    Gui::AuxSlider inSlider;
    Gui::AuxSlider outSlider;
    Gui::ImageToggleButton qualityButton;
    juce::ToggleButton bypassToggle;
    Gui::BypassButton bypassButton{bypassToggle};
    juce::TextButton infoDialogButton;
    Gui::BaseLookAndFeel baseLookAndFeel;

    std::vector<std::unique_ptr<juce::AudioProcessorValueTreeState::SliderAttachment>> sliderAttachments;
    std::vector<std::unique_ptr<juce::AudioProcessorValueTreeState::ButtonAttachment>> buttonAttachments;

    Gui::SliderLabel clipLabel{"CLIP"};

    // A posted click that will turn the bypass off is on its way: the knob handlers must not post
    // another, which would turn it on again.
    bool bypassReleasePending = false;
    bool releasePendingBeforeToggleChanged = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VantrelAudioProcessorEditor)
};
