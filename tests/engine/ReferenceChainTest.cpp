#include "EngineTestHelpers.h"

#include <random>

using namespace EngineTest;

namespace
{
using Smoother = VantrelAudioProcessor::LinearSmoother;

// The 1x chain with the clipping stage on, written out sample by sample exactly as the steps
// read: input gain, drive and knee advanced once per sample with the channels inside, the curve
// with its three branches, the mixer's wet-only blend, the clamp and the output gain. The
// processor must match it bit for bit, however it arranges its loops.
class ReferenceChain
{
public:
    ReferenceChain()
    {
        for (auto* smoother : {&inputGain, &outputGain, &clipGain, &clipCurve})
            smoother->reset (sampleRate, 0.2);

        inputGain.setCurrentAndTargetValue (1.0f);
        outputGain.setCurrentAndTargetValue (1.0f);
        clipGain.setCurrentAndTargetValue (1.0f);
        clipCurve.setCurrentAndTargetValue (0.8f);
    }

    void setTargets (float inputDecibels, float clipDecibels, float curve, float outputDecibels)
    {
        inputGain.setTargetValue (juce::Decibels::decibelsToGain (inputDecibels, -100.0f));
        clipGain.setTargetValue (juce::Decibels::decibelsToGain (clipDecibels, -100.0f));
        clipCurve.setTargetValue (curve / 100.0f);
        outputGain.setTargetValue (juce::Decibels::decibelsToGain (outputDecibels, -100.0f));
    }

    void process (juce::AudioBuffer<float>& buffer)
    {
        const juce::ScopedNoDenormals noDenormals;
        const auto numSamples = buffer.getNumSamples();
        inputGain.applyGain (buffer, numSamples);

        const juce::AudioBuffer<float> dry (buffer);

        for (int i = 0; i < numSamples; ++i)
        {
            const auto g = clipGain.getNextValue();
            const auto c = clipCurve.getNextValue();
            const auto k = std::max (1.0f - c, 0.001f);

            for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
            {
                const auto x = buffer.getSample (channel, i) * g;
                const auto a = std::abs (x);
                float y;

                if (a <= 1.0f - k)
                    y = a;
                else if (a >= 1.0f + k)
                    y = 1.0f;
                else
                {
                    const auto t = (a - k) + (-1.0f);
                    y = 1.0f - t * t / (k * 4.0f);
                }

                const auto sign = x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f);
                const auto wet = (y * sign) * 1.0f;
                const auto mixed = wet + dry.getSample (channel, i) * 0.0f;
                buffer.setSample (channel, i, std::max (std::min (mixed, 1.0f), -1.0f));
            }
        }

        outputGain.applyGain (buffer, numSamples);
    }

private:
    Smoother inputGain, outputGain, clipGain, clipCurve;
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
    auto processor = makeProcessor();
    prepare (*processor, 512);
    ReferenceChain reference;

    std::mt19937 random (20261208);
    juce::MidiBuffer midi;

    struct Setting
    {
        float input, clip, curve, output;
    };

    // Steady settings and ramps between them, among them the hardest and softest curves.
    const Setting settings[]{{0.0f, 0.0f, 80.0f, 0.0f},    {6.0f, 3.0f, 100.0f, -3.0f}, {-6.0f, 15.0f, 0.0f, 2.5f},
                             {3.3f, 7.77f, 55.0f, -0.01f}, {0.0f, 0.0f, 99.0f, 0.0f},   {20.0f, 15.0f, 1.0f, 20.0f}};

    int blocksCompared = 0;

    for (const auto& setting : settings)
    {
        setParameter (*processor, "input", setting.input);
        setParameter (*processor, "clip", setting.clip);
        setParameter (*processor, "clipCurve", setting.curve);
        setParameter (*processor, "output", setting.output);
        reference.setTargets (getParameter (*processor, "input"), getParameter (*processor, "clip"),
                              getParameter (*processor, "clipCurve"), getParameter (*processor, "output"));

        // 0.2 s of ramps, then steady blocks, in block lengths that do not divide the ramp.
        for (int block = 0; block < 40; ++block)
        {
            const auto length = block % 3 == 0 ? 512 : 301;
            auto processed = makeTestBlock (random, length, 2.5f);
            auto expected = processed;

            processor->processBlock (processed, midi);
            reference.process (expected);

            ASSERT_TRUE (bitIdentical (processed, expected)) << "block " << block << " setting " << setting.curve;
            ++blocksCompared;
        }
    }

    EXPECT_EQ (blocksCompared, 240);
}
