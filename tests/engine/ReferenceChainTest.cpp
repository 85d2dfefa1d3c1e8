#include "EngineTestHelpers.h"
#include "ReferenceCurve.h"

#include <random>

using namespace EngineTest;

namespace
{
using Smoother = VantrelAudioProcessor::LinearSmoother;

// The chain with its per-sample steps written out exactly as they read: input gain, drive and knee
// advanced once per (oversampled) sample with the channels inside, the curve with its three
// branches, the clamp unless the clipping stage is bypassed, and the output gain; JUCE's own
// oversampler and mixer take their steps. The processor must match it bit for bit, however it
// arranges its loops.
class ReferenceChain
{
public:
    explicit ReferenceChain (bool twoTimes)
        : oversampler (2, twoTimes ? 1 : 0, juce::dsp::Oversampling<float>::filterHalfBandFIREquiripple, true, true)
    {
        for (auto* smoother : {&inputGain, &outputGain, &clipGain, &clipCurve, &clipMix})
            smoother->reset (sampleRate, 0.2);

        inputGain.setCurrentAndTargetValue (1.0f);
        outputGain.setCurrentAndTargetValue (1.0f);
        clipGain.setCurrentAndTargetValue (1.0f);
        clipCurve.setCurrentAndTargetValue (0.8f);
        clipMix.setCurrentAndTargetValue (1.0f);

        oversampler.initProcessing (maximumBlockSize);
        mixer.prepare ({sampleRate, 2 * maximumBlockSize, 2});
        mixer.setWetMixProportion (1.0f);
    }

    void setTargets (float inputDecibels, float clipDecibels, float curve, float outputDecibels, bool bypassed)
    {
        inputGain.setTargetValue (juce::Decibels::decibelsToGain (inputDecibels, -100.0f));
        clipGain.setTargetValue (juce::Decibels::decibelsToGain (clipDecibels, -100.0f));
        clipCurve.setTargetValue (curve / 100.0f);
        outputGain.setTargetValue (juce::Decibels::decibelsToGain (outputDecibels, -100.0f));
        clipMix.setTargetValue (bypassed ? 0.0f : 1.0f);
        clipBypassed = bypassed;
    }

    void process (juce::AudioBuffer<float>& buffer)
    {
        const juce::ScopedNoDenormals noDenormals;
        const auto numSamples = buffer.getNumSamples();
        inputGain.applyGain (buffer, numSamples);
        mixer.setWetMixProportion (juce::jlimit (0.0f, 1.0f, clipMix.skip (numSamples)));

        juce::dsp::AudioBlock<float> hostBlock (buffer);
        const auto block = oversampler.processSamplesUp (hostBlock);
        mixer.pushDrySamples (block);

        for (size_t i = 0; i < block.getNumSamples(); ++i)
        {
            const auto g = clipGain.getNextValue();
            const auto c = clipCurve.getNextValue();
            const auto k = std::max (1.0f - c, 0.001f);

            for (size_t channel = 0; channel < block.getNumChannels(); ++channel)
            {
                auto& sample = block.getChannelPointer (channel)[i];
                sample = curveAsWritten (sample * g, k);
            }
        }

        mixer.mixWetSamples (block);
        oversampler.processSamplesDown (hostBlock);

        if (!clipBypassed)
            for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
                for (int i = 0; i < numSamples; ++i)
                    buffer.setSample (channel, i, std::max (std::min (buffer.getSample (channel, i), 1.0f), -1.0f));

        outputGain.applyGain (buffer, numSamples);
    }

    static constexpr int maximumBlockSize = 512;

private:
    Smoother inputGain, outputGain, clipGain, clipCurve, clipMix;
    juce::dsp::Oversampling<float> oversampler;
    juce::dsp::DryWetMixer<float> mixer;
    bool clipBypassed = false;
};

// Noise with the curve's edge cases mixed in: zeros of both signs, the knee's edges, 1 and -1.
juce::AudioBuffer<float> makeTestBlock (std::mt19937& random, int numSamples, float amplitude)
{
    std::uniform_real_distribution<float> noise (-amplitude, amplitude);
    const float specials[]{0.0f, -0.0f, 1.0f, -1.0f, 0.8f, 1.2f, 0.999f, 1.001f, 2.0f, -2.0f, 1.0e-39f, -1.0e-39f};
    std::uniform_int_distribution<int> pick (0, 5 * (int)std::size (specials));

    juce::AudioBuffer<float> buffer (2, numSamples);

    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < numSamples; ++i)
        {
            const auto choice = (size_t)pick (random);
            buffer.setSample (channel, i, choice < std::size (specials) ? specials[choice] : noise (random));
        }

    return buffer;
}

bool bitIdentical (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    for (int channel = 0; channel < a.getNumChannels(); ++channel)
        if (std::memcmp (a.getReadPointer (channel), b.getReadPointer (channel),
                         sizeof (float) * (size_t)a.getNumSamples()) != 0)
            return false;

    return true;
}
}

TEST (ReferenceChain, OutputIsBitIdenticalToTheSampleBySampleForm)
{
    for (const auto twoTimes : {false, true})
    {
        SCOPED_TRACE (twoTimes ? "2x" : "1x");
        auto processor = makeProcessor();
        setParameter (*processor, "quality", twoTimes ? 1.0f : 0.0f);
        prepare (*processor, ReferenceChain::maximumBlockSize);
        ReferenceChain reference (twoTimes);

        std::mt19937 random (20261208);
        juce::MidiBuffer midi;

        struct Setting
        {
            float input, clip, curve, output;
            bool bypassed;
        };

        // Steady settings and ramps between them, among them the hardest and softest curves, a gain
        // of 1 and others after the clamp, and the crossfade to the bypassed stage and back.
        const Setting settings[]{{0.0f, 0.0f, 80.0f, 0.0f, false}, {6.0f, 3.0f, 100.0f, -3.0f, false},
                                 {-6.0f, 15.0f, 0.0f, 2.5f, true}, {3.3f, 7.77f, 55.0f, -0.01f, true},
                                 {0.0f, 0.0f, 99.0f, 0.0f, false}, {20.0f, 15.0f, 1.0f, 20.0f, false},
                                 {-20.0f, 9.0f, 80.0f, 0.0f, true}};

        int blocksCompared = 0;

        for (const auto& setting : settings)
        {
            setParameter (*processor, "input", setting.input);
            setParameter (*processor, "clip", setting.clip);
            setParameter (*processor, "clipCurve", setting.curve);
            setParameter (*processor, "output", setting.output);
            setParameter (*processor, "clipBypass", setting.bypassed ? 1.0f : 0.0f);
            reference.setTargets (getParameter (*processor, "input"), getParameter (*processor, "clip"),
                                  getParameter (*processor, "clipCurve"), getParameter (*processor, "output"),
                                  setting.bypassed);

            // 0.2 s of ramps, then steady blocks, in block lengths that do not divide the ramp.
            for (int block = 0; block < 40; ++block)
            {
                const auto length = block % 3 == 0 ? ReferenceChain::maximumBlockSize : 301;
                auto processed = makeTestBlock (random, length, 2.5f);
                auto expected = processed;

                processor->processBlock (processed, midi);
                reference.process (expected);

                ASSERT_TRUE (bitIdentical (processed, expected)) << "block " << block << " setting " << setting.curve;
                ++blocksCompared;
            }
        }

        EXPECT_EQ (blocksCompared, 280);
    }
}
