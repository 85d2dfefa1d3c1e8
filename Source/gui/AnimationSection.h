#pragma once

#include "ClipAnimation.h"
#include "Meter.h"
#include "Parameters.h"
#include "PluginProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>

namespace Gui
{
// The editor's live layer, as large as the editor: the clip animation and the four level bars. It
// follows drive, curve and clip bypass as a listener of the parameter tree and polls the
// processor's clip level every 41 ms.
class AnimationSection : public juce::Component,
                         public juce::AudioProcessorValueTreeState::Listener,
                         private juce::Timer,
                         private juce::AsyncUpdater
{
public:
    static constexpr int refreshIntervalMs = 41;

    explicit AnimationSection (VantrelAudioProcessor& processor)
        : audioProcessor (processor)
        , apvts (processor.apvts)
        , inputMeterLeft ([&processor] { return processor.inputLevelLeft(); })
        , inputMeterRight ([&processor] { return processor.inputLevelRight(); })
        , outputMeterLeft ([&processor] { return processor.outputLevelLeft(); })
        , outputMeterRight ([&processor] { return processor.outputLevelRight(); })
    {
        apvts.addParameterListener (Parameters::Clip::gain.id, this);
        apvts.addParameterListener (Parameters::Clip::curve.id, this);
        apvts.addParameterListener (Parameters::Clip::bypass.id, this);

        for (auto* child : std::initializer_list<juce::Component*>{&clipAnimation, &inputMeterLeft, &inputMeterRight,
                                                                   &outputMeterLeft, &outputMeterRight})
            addAndMakeVisible (child);

        clipAnimation.gain =
            normalised (Parameters::Clip::gain, *apvts.getRawParameterValue (Parameters::Clip::gain.id));
        clipAnimation.curve =
            normalised (Parameters::Clip::curve, *apvts.getRawParameterValue (Parameters::Clip::curve.id));

        // Opened while the clip stage is bypassed, the animation starts dimmed and still. Read after
        // the listener is in place, so a change from another thread meanwhile arrives as an update.
        setBypassed (*apvts.getRawParameterValue (Parameters::Clip::bypass.id) != 0.0f);

        startTimer (refreshIntervalMs);
    }

    ~AnimationSection() override
    {
        apvts.removeParameterListener (Parameters::Clip::gain.id, this);
        apvts.removeParameterListener (Parameters::Clip::curve.id, this);
        apvts.removeParameterListener (Parameters::Clip::bypass.id, this);
        cancelPendingUpdate();
    }

    void resized() override
    {
        clipAnimation.setBounds (Parameters::Bounds::clipAnimation);
        inputMeterLeft.setBounds (Parameters::Bounds::inputMeterLeft);
        inputMeterRight.setBounds (Parameters::Bounds::inputMeterRight);
        outputMeterLeft.setBounds (Parameters::Bounds::outputMeterLeft);
        outputMeterRight.setBounds (Parameters::Bounds::outputMeterRight);
    }

    // Runs on whichever thread changed the parameter.
    void parameterChanged (const juce::String& parameterID, float newValue) override
    {
        if (parameterID.equalsIgnoreCase (Parameters::Clip::gain.id))
            clipAnimation.gain = normalised (Parameters::Clip::gain, newValue);

        if (parameterID.equalsIgnoreCase (Parameters::Clip::curve.id))
            clipAnimation.curve = normalised (Parameters::Clip::curve, newValue);

        if (parameterID.equalsIgnoreCase (Parameters::Clip::bypass.id))
        {
            // The latest setting is kept for a pending update, which may have been triggered
            // before this call and must not then put back an older setting.
            const auto bypassed = newValue != 0.0f;
            pendingBypass.store (bypassed);

            if (juce::MessageManager::getInstance()->isThisTheMessageThread())
            {
                setBypassed (bypassed);
                return;
            }

            // Another thread calls this while JUCE holds the parameter's listener lock, which the
            // message thread may be waiting for (a gesture on the bypass switch): waiting here for
            // the message thread would deadlock both, so the change is handed to it instead.
            // However fast a host automates, at most one update is waiting in the message queue.
            triggerAsyncUpdate();
        }
    }

private:
    VantrelAudioProcessor& audioProcessor;
    juce::AudioProcessorValueTreeState& apvts;

public:
    ClipAnimation clipAnimation;
    Meter inputMeterLeft;
    Meter inputMeterRight;
    Meter outputMeterLeft;
    Meter outputMeterRight;

    bool isBypassed = false;

private:
    static float normalised (const Parameters::SliderDescriptor<float>& descriptor, float value)
    {
        return (value - descriptor.min) / (descriptor.max - descriptor.min);
    }

    // Message thread only: the timer and the renderer read this state there.
    void setBypassed (bool shouldBeBypassed)
    {
        isBypassed = shouldBeBypassed;
        clipAnimation.setAlpha (isBypassed ? 0.5f : 1.0f);
    }

    std::atomic<bool> pendingBypass{false};

    void handleAsyncUpdate() override { setBypassed (pendingBypass.load()); }

    // While bypassed the animation stands still.
    void timerCallback() override
    {
        if (isBypassed)
            return;

        clipAnimation.level = juce::jlimit (0.0f, 1.0f, audioProcessor.clipLevel());
        clipAnimation.repaint();
    }

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AnimationSection)
};
} // namespace Gui
