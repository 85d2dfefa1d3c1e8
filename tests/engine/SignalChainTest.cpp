#include "EngineTestHelpers.h"

using namespace EngineTest;

namespace
{
// A prepared stereo processor fed two-sample-wide columns of test values in 1x mode.
juce::AudioBuffer<float> processOnce (VantrelAudioProcessor& processor, const std::vector<float>& values,
                                      int numChannels = 2)
{
    auto buffer = makeSignal (numChannels, (int)values.size(), [&] (int i) { return values[(size_t)i]; });
    juce::MidiBuffer midi;
    processor.processBlock (buffer, midi);
    return buffer;
}

float clipLevelForConstant (float value)
{
    auto processor = makeProcessor();
    prepare (*processor);
    processInBlocks (*processor, makeConstant (2, blockSize, value));
    return processor->clipLevel();
}

int oversamplerLatency()
{
    juce::dsp::Oversampling<float> reference (2, 1, juce::dsp::Oversampling<float>::filterHalfBandFIREquiripple, true,
                                              true);
    reference.initProcessing (blockSize);
    return (int)reference.getLatencyInSamples();
}

int indexOfPeak (const juce::AudioBuffer<float>& buffer, int channel)
{
    const auto* samples = buffer.getReadPointer (channel);
    return (int)(std::max_element (samples, samples + buffer.getNumSamples(),
                                   [] (float a, float b) { return std::abs (a) < std::abs (b); }) -
                 samples);
}

// Runs a constant signal, changes one parameter and returns the output from the change on.
juce::AudioBuffer<float> outputAfterChange (bool twoTimes, const juce::String& id, float newValue, float input)
{
    auto processor = makeProcessor();
    setParameter (*processor, "quality", twoTimes ? 1.0f : 0.0f);
    prepare (*processor);
    processInBlocks (*processor, makeConstant (2, 24000, input));

    setParameter (*processor, id, newValue);
    return processInBlocks (*processor, makeConstant (2, 24000, input));
}
}

TEST (SignalChain, CurveWorkedExamplesAtTheDefaultSetting)
{
    auto processor = makeProcessor();
    prepare (*processor);

    const std::vector<float> input{0.5f, 0.9f, 1.0f, 1.1f, 1.2f, 1.5f, -1.1f, 0.0f, -0.9f, -1.5f};
    const std::vector<float> expected{0.5f, 0.8875f, 0.95f, 0.9875f, 1.0f, 1.0f, -0.9875f, 0.0f, -0.8875f, -1.0f};
    const auto output = processOnce (*processor, input);

    for (int channel = 0; channel < 2; ++channel)
        for (size_t i = 0; i < input.size(); ++i)
            EXPECT_NEAR (output.getSample (channel, (int)i), expected[i], 1.0e-6f) << "input " << input[i];

    EXPECT_EQ (output.getSample (0, 0), 0.5f);
    EXPECT_EQ (output.getSample (0, 4), 1.0f);
}

TEST (SignalChain, ClipLevelRecordsOnlyOvershootAbovePlusOne)
{
    EXPECT_NEAR (clipLevelForConstant (1.1f), 0.1f, 1.0e-6f);
    EXPECT_NEAR (clipLevelForConstant (1.2f), 0.2f, 1.0e-6f);
    EXPECT_NEAR (clipLevelForConstant (1.5f), 0.5f, 1.0e-6f);
    EXPECT_EQ (clipLevelForConstant (2.0f), 1.0f);
    EXPECT_EQ (clipLevelForConstant (-1.1f), 0.0f);
    EXPECT_EQ (clipLevelForConstant (-2.0f), 0.0f);
    EXPECT_EQ (clipLevelForConstant (0.9f), 0.0f);
    EXPECT_EQ (clipLevelForConstant (1.0f), 0.0f);
}

TEST (SignalChain, HardestCurveClipsFromOnePointZeroZeroOne)
{
    auto processor = makeProcessor();
    setParameter (*processor, "clipCurve", 100.0f);
    prepare (*processor);

    const auto output = processOnce (*processor, {1.001f, 1.5f, 0.999f, 0.5f, -1.001f, -0.999f, 1.0f});
    EXPECT_EQ (output.getSample (0, 0), 1.0f);
    EXPECT_EQ (output.getSample (0, 1), 1.0f);
    EXPECT_EQ (output.getSample (0, 2), 0.999f);
    EXPECT_EQ (output.getSample (0, 3), 0.5f);
    EXPECT_EQ (output.getSample (0, 4), -1.0f);
    EXPECT_EQ (output.getSample (0, 5), -0.999f);
    EXPECT_NEAR (output.getSample (0, 6), 0.99975f, 1.0e-6f);
}

TEST (SignalChain, SoftestCurveBendsEverythingBelowTwo)
{
    auto processor = makeProcessor();
    setParameter (*processor, "clipCurve", 0.0f);
    prepare (*processor);

    const auto output = processOnce (*processor, {0.5f, 1.0f, 1.9f, 2.0f});
    EXPECT_NEAR (output.getSample (0, 0), 1.0f - 2.25f / 4.0f, 1.0e-6f);
    EXPECT_NEAR (output.getSample (0, 1), 0.75f, 1.0e-6f);
    EXPECT_NEAR (output.getSample (0, 2), 1.0f - 0.01f / 4.0f, 1.0e-6f);
    EXPECT_EQ (output.getSample (0, 3), 1.0f);
}

TEST (SignalChain, SilenceGivesSilenceAndNoClipLevel)
{
    for (const auto quality : {0.0f, 1.0f})
    {
        auto processor = makeProcessor();
        setParameter (*processor, "quality", quality);
        setParameter (*processor, "clip", 15.0f);
        prepare (*processor);

        const auto output = processInBlocks (*processor, makeConstant (2, 4800, 0.0f));
        EXPECT_EQ (output.getMagnitude (0, output.getNumSamples()), 0.0f);
        EXPECT_EQ (processor->clipLevel(), 0.0f);
    }
}

TEST (SignalChain, FullDriveFlattensAFullScaleSine)
{
    auto processor = makeProcessor();
    setParameter (*processor, "clip", 15.0f);
    prepare (*processor);

    const auto output = processInBlocks (*processor, makeSine (2, 4800, 1.0f, 100.0));
    int atLimit = 0;

    for (int i = 0; i < output.getNumSamples(); ++i)
        if (std::abs (output.getSample (0, i)) == 1.0f)
            ++atLimit;

    EXPECT_GT (atLimit, output.getNumSamples() / 2);
    EXPECT_LE (output.getMagnitude (0, output.getNumSamples()), 1.0f);
}

TEST (SignalChain, OneTimesModeIsNotDelayedAndTwoTimesModeIsDelayedByTheOversampler)
{
    const auto impulse = makeSignal (2, 2400, [] (int i) { return i == 100 ? 0.5f : 0.0f; });

    auto direct = makeProcessor();
    prepare (*direct);
    const auto directOutput = processInBlocks (*direct, impulse);
    EXPECT_EQ (directOutput.getSample (0, 100), 0.5f);
    EXPECT_EQ (directOutput.getMagnitude (0, 0, 100), 0.0f);
    EXPECT_EQ (direct->getLatencySamples(), 0);

    auto oversampled = makeProcessor();
    setParameter (*oversampled, "quality", 1.0f);
    prepare (*oversampled);
    const auto oversampledOutput = processInBlocks (*oversampled, impulse);

    const auto latency = oversamplerLatency();
    EXPECT_GT (latency, 0);
    EXPECT_EQ (indexOfPeak (oversampledOutput, 0), 100 + latency);
    EXPECT_EQ (indexOfPeak (oversampledOutput, 1), 100 + latency);
    EXPECT_EQ (oversampled->getLatencySamples(), 0);
}

TEST (SignalChain, QualitySwitchTakesEffectAtTheNextBlock)
{
    auto processor = makeProcessor();
    prepare (*processor);

    const auto impulse = makeSignal (2, blockSize, [] (int i) { return i == 10 ? 0.5f : 0.0f; });
    setParameter (*processor, "quality", 1.0f);
    auto output = processInBlocks (*processor, impulse);
    EXPECT_EQ (indexOfPeak (output, 0), 10 + oversamplerLatency());

    setParameter (*processor, "quality", 0.0f);
    output = processInBlocks (*processor, makeSignal (2, blockSize, [] (int i) { return i == 10 ? 0.5f : 0.0f; }));
    EXPECT_EQ (output.getSample (0, 10), 0.5f);
}

TEST (SignalChain, ClipBypassLetsTheGainedSignalThroughUnclamped)
{
    for (const auto quality : {0.0f, 1.0f})
    {
        auto processor = makeProcessor();
        setParameter (*processor, "quality", quality);
        setParameter (*processor, "input", 20.0f);
        setParameter (*processor, "clipBypass", 1.0f);
        prepare (*processor);

        if (quality == 0.0f)
        {
            // The mixer starts from the clipped signal and fades to the dry one in 50 ms.
            const auto output = processInBlocks (*processor, makeConstant (2, 4800, 1.0f));
            EXPECT_NEAR (output.getSample (0, 0), 1.0f, 0.01f);
            EXPECT_NEAR (output.getSample (0, 4799), 10.0f, 1.0e-4f);
            EXPECT_NEAR (output.getSample (1, 2400), 10.0f, 1.0e-4f);
        }
        else
        {
            const auto output = processInBlocks (*processor, makeSine (2, 9600, 1.0f, 1000.0));
            EXPECT_NEAR (output.getMagnitude (0, 4800, 4800), 10.0f, 0.1f);
        }
    }
}

TEST (SignalChain, WithoutBypassTheOutputIsClampedBeforeTheOutputGain)
{
    for (const auto quality : {0.0f, 1.0f})
    {
        auto processor = makeProcessor();
        setParameter (*processor, "quality", quality);
        setParameter (*processor, "input", 20.0f);
        setParameter (*processor, "clipCurve", 100.0f);
        prepare (*processor);

        auto output = processInBlocks (*processor, makeSine (2, 9600, 1.0f, 3000.0));
        EXPECT_LE (output.getMagnitude (0, output.getNumSamples()), 1.0f);
        EXPECT_EQ (output.getMagnitude (0, 4800, 4800), 1.0f);

        setParameter (*processor, "output", 20.0f);
        output = processInBlocks (*processor, makeConstant (2, 19200, 1.0f));
        EXPECT_NEAR (output.getSample (0, 19199), 10.0f, 0.01f);
    }
}

TEST (SignalChain, GainRampsLastPointTwoSecondsAtTheHostRate)
{
    for (const auto twoTimes : {false, true})
    {
        const auto output = outputAfterChange (twoTimes, "input", -20.0f, 0.5f);
        const auto delay = twoTimes ? oversamplerLatency() : 0;

        if (!twoTimes)
        {
            EXPECT_GT (output.getSample (0, 9598), 0.05f + 1.0e-6f);
            EXPECT_NEAR (output.getSample (0, 9599), 0.05f, 1.0e-7f);
            EXPECT_NEAR (output.getSample (0, 4799), 0.5f - 0.45f * 0.5f, 1.0e-4f);
        }

        EXPECT_GT (output.getSample (0, 9300 + delay), 0.05f + 1.0e-3f);
        EXPECT_NEAR (output.getSample (0, 9700 + delay), 0.05f, 1.0e-4f);
    }
}

TEST (SignalChain, DriveAndCurveRampsHalveInTwoTimesMode)
{
    // 0.5 driven by 6 dB lands in the default knee: 1 - (0.5 * 1.995 - 1.2)^2 / 0.8.
    for (const auto& [id, value] : {std::pair<juce::String, float>{"clip", 6.0f}, {"clipCurve", 20.0f}})
    {
        SCOPED_TRACE (id);
        const auto direct = outputAfterChange (false, id, value, id == "clip" ? 0.5f : 0.9f);
        const auto finalDirect = direct.getSample (0, 23999);
        EXPECT_GT (std::abs (direct.getSample (0, 9500) - finalDirect), 1.0e-4f);
        EXPECT_EQ (direct.getSample (0, 9600), finalDirect);

        const auto oversampled = outputAfterChange (true, id, value, id == "clip" ? 0.5f : 0.9f);
        const auto finalOversampled = oversampled.getSample (0, 23999);
        const auto delay = oversamplerLatency();
        EXPECT_NEAR (finalOversampled, finalDirect, 1.0e-3f);
        EXPECT_GT (std::abs (oversampled.getSample (0, 4500) - finalOversampled), 1.0e-4f);
        EXPECT_NEAR (oversampled.getSample (0, 4800 + 2 * delay), finalOversampled, 1.0e-5f);
    }
}

TEST (SignalChain, ZeroLengthBlocksChangeNothingAndAdvanceNoRamp)
{
    auto processor = makeProcessor();
    prepare (*processor);
    setParameter (*processor, "input", -20.0f);

    juce::AudioBuffer<float> empty (2, 0);
    juce::MidiBuffer midi;

    for (int i = 0; i < 100; ++i)
        processor->processBlock (empty, midi);

    const auto output = processInBlocks (*processor, makeConstant (2, 9600, 0.5f));
    EXPECT_GT (output.getSample (0, 9598), 0.05f + 1.0e-6f);
    EXPECT_NEAR (output.getSample (0, 9599), 0.05f, 1.0e-7f);
}

TEST (SignalChain, MonoRunsInBothModes)
{
    for (const auto quality : {0.0f, 1.0f})
    {
        auto processor = makeProcessor (1);
        setParameter (*processor, "quality", quality);
        prepare (*processor);

        const auto output = processInBlocks (*processor, makeSine (1, 4800, 0.5f, 440.0));
        EXPECT_NEAR (output.getMagnitude (0, 2400, 2400), 0.5f, 0.01f);
    }
}
