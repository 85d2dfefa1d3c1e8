#pragma once

#include "Parameters.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_dsp/juce_dsp.h>

#include <atomic>
#include <memory>
#include <vector>

// One instance of the effect: its parameters and saved state, the clipping chain that runs on
// the host's audio thread, and the levels that the editor shows.
class VantrelAudioProcessor : public juce::AudioProcessor, public juce::AudioProcessorValueTreeState::Listener
{
public:
    using LinearSmoother = juce::SmoothedValue<float, juce::ValueSmoothingTypes::Linear>;

    VantrelAudioProcessor();
    ~VantrelAudioProcessor() override;

    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;

    using juce::AudioProcessor::processBlock;
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    void parameterChanged (const juce::String& parameterID, float newValue) override;

    // Moves a meter level towards the decibel level of one channel of the buffer: up at once,
    // down along the level's ramp.
    static void processLevelDecay (LinearSmoother& level, const juce::AudioBuffer<float>& buffer, int channel);

    // The levels for the editor's meters, in decibels (floor -100), and the clip level, a linear
    // amount of overshoot. They are written by the audio thread once per block and may be read
    // from any thread.
    float inputLevelLeft() const noexcept { return shownLevels.inputLeft.load (std::memory_order_relaxed); }
    float inputLevelRight() const noexcept { return shownLevels.inputRight.load (std::memory_order_relaxed); }
    float outputLevelLeft() const noexcept { return shownLevels.outputLeft.load (std::memory_order_relaxed); }
    float outputLevelRight() const noexcept { return shownLevels.outputRight.load (std::memory_order_relaxed); }
    float clipLevel() const noexcept { return shownLevels.clip.load (std::memory_order_relaxed); }

    juce::AudioProcessorValueTreeState apvts;

private:
    // The targets that parameterChanged hands to the audio thread, which picks them up at the
    // start of each block; the smoothers themselves are touched only by the audio thread.
    struct ControlTargets
    {
        std::atomic<float> inputGain{0.0f};
        std::atomic<float> outputGain{0.0f};
        std::atomic<float> clipGain{0.0f};
        std::atomic<float> clipCurve{0.0f};
        std::atomic<float> clipMix{1.0f};
    };

    // What the editor reads: a copy of each level smoother's current value.
    struct ShownLevels
    {
        std::atomic<float> inputLeft{-60.0f};
        std::atomic<float> inputRight{-60.0f};
        std::atomic<float> outputLeft{-60.0f};
        std::atomic<float> outputRight{-60.0f};
        std::atomic<float> clip{0.0f};
    };

    static juce::AudioProcessorValueTreeState::ParameterLayout createParameterLayout();
    float curveToNormalised (float curveValue) const;
    void processPreparedBlock (juce::AudioBuffer<float>& buffer) noexcept;
    void processOversampledStages (juce::AudioBuffer<float>& buffer) noexcept;
    void takeControlTargets() noexcept;
    void runClipStage (const juce::dsp::AudioBlock<float>& block) noexcept;
    void updateClipLevel (int numOversampledSamples) noexcept;
    void publishLevels() noexcept;

    LinearSmoother inputGainSmoother{0.0f};
    LinearSmoother outputGainSmoother{0.0f};
    LinearSmoother clipGainSmoother{0.0f};
    LinearSmoother clipCurveSmoother{0.0f};
    LinearSmoother inputLevelLeftSmoother{-60.0f};
    LinearSmoother inputLevelRightSmoother{-60.0f};
    LinearSmoother outputLevelLeftSmoother{-60.0f};
    LinearSmoother outputLevelRightSmoother{-60.0f};
    LinearSmoother clipMixSmoother{1.0f};
    juce::dsp::DryWetMixer<float> mixer;
    std::vector<std::unique_ptr<juce::dsp::Oversampling<float>>> oversamplers;
    std::atomic<int> oversamplingIndex{0};
    std::atomic<bool> clipBypassed{false};
    juce::AudioBuffer<float> clipBuffer;
    LinearSmoother clipLevelSmoother{0.0f};

    int preparedBlockSize = 0;
    ControlTargets controlTargets;
    ShownLevels shownLevels;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VantrelAudioProcessor)
};
