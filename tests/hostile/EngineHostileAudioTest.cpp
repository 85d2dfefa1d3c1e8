// Audio a host should never send but sometimes does: NaN, infinities and denormals. The processor
// must not crash, and once the bad samples stop its output must be finite again within the
// oversampler's filter length, in both oversampling modes and with the clip stage on or bypassed.

#include "PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <tuple>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 128;

// Generous for a half-band FIR at maximum quality and its latency alignment, yet far shorter than
// "never": a fault that keeps the filters' memory poisoned fails it.
constexpr int recoverySamples = 512;

enum class BadSample
{
    notANumber,
    positiveInfinity,
    negativeInfinity
};

float makeBadSample (BadSample kind)
{
    switch (kind)
    {
        case BadSample::notANumber:
            return std::numeric_limits<float>::quiet_NaN();
        case BadSample::positiveInfinity:
            return std::numeric_limits<float>::infinity();
        case BadSample::negativeInfinity:
            return -std::numeric_limits<float>::infinity();
    }

    return 0.0f;
}

std::unique_ptr<VantrelAudioProcessor> makeProcessor (bool oversampled, bool clipBypassed)
{
    auto processor = std::make_unique<VantrelAudioProcessor>();
    processor->setRateAndBufferSizeDetails (sampleRate, blockSize);
    processor->apvts.getParameter ("quality")->setValueNotifyingHost (oversampled ? 1.0f : 0.0f);
    processor->apvts.getParameter ("clipBypass")->setValueNotifyingHost (clipBypassed ? 1.0f : 0.0f);
    processor->prepareToPlay (sampleRate, blockSize);
    return processor;
}

float sine (long index)
{
    return 0.8f * std::sin (0.02f * (float)index);
}

// Processes `total` samples of a sine in blocks, with samples [badStart, badEnd) of channel 0
// replaced by the bad value. Returns the index of the last non-finite output sample on any
// channel, or -1.
long lastNonFiniteOutput (VantrelAudioProcessor& processor, float bad, long badStart, long badEnd, long total,
                          int numChannels = 2)
{
    juce::AudioBuffer<float> buffer (numChannels, blockSize);
    juce::MidiBuffer midi;
    long lastBad = -1;

    for (long start = 0; start < total; start += blockSize)
    {
        for (int channel = 0; channel < numChannels; ++channel)
            for (int i = 0; i < blockSize; ++i)
            {
                const auto index = start + i;
                const auto isBad = channel == 0 && index >= badStart && index < badEnd;
                buffer.setSample (channel, i, isBad ? bad : sine (index));
            }

        processor.processBlock (buffer, midi);

        for (int channel = 0; channel < numChannels; ++channel)
            for (int i = 0; i < blockSize; ++i)
                if (!std::isfinite (buffer.getSample (channel, i)))
                    lastBad = std::max (lastBad, start + i);
    }

    return lastBad;
}

bool levelsAreFinite (const VantrelAudioProcessor& processor)
{
    for (const auto level : {processor.inputLevelLeft(), processor.inputLevelRight(), processor.outputLevelLeft(),
                             processor.outputLevelRight(), processor.clipLevel()})
        if (!std::isfinite (level))
            return false;

    return true;
}

using HostileCase = std::tuple<BadSample, bool, bool>; // bad value, oversampled, clip bypassed

class HostileAudio : public testing::TestWithParam<HostileCase>
{
};
}

TEST_P (HostileAudio, OutputIsFiniteAgainSoonAfterTheBadSamplesStop)
{
    const auto [kind, oversampled, bypassed] = GetParam();
    auto processor = makeProcessor (oversampled, bypassed);

    // Bad samples from the middle of one block to the middle of the next; then a whole second.
    constexpr long badStart = 300, badEnd = 420;
    const auto total = (long)sampleRate;
    const auto lastBad = lastNonFiniteOutput (*processor, makeBadSample (kind), badStart, badEnd, total);

    EXPECT_LT (lastBad, badEnd + recoverySamples) << "the output stayed non-finite long after the input recovered";
}

TEST_P (HostileAudio, LevelsAreFiniteAgainOnceTheirFallIsOver)
{
    const auto [kind, oversampled, bypassed] = GetParam();
    auto processor = makeProcessor (oversampled, bypassed);

    // One bad block, then 0.2 s of sine: four times the levels' 50 ms fall.
    lastNonFiniteOutput (*processor, makeBadSample (kind), 0, blockSize, blockSize + (long)(0.2 * sampleRate));

    EXPECT_TRUE (levelsAreFinite (*processor));
}

std::string nameOf (const testing::TestParamInfo<HostileCase>& info)
{
    static const char* const valueNames[] = {"NaN", "PlusInfinity", "MinusInfinity"};
    return std::string (valueNames[(int)std::get<0> (info.param)]) + (std::get<1> (info.param) ? "_2x" : "_1x") +
           (std::get<2> (info.param) ? "_Bypassed" : "_Clipping");
}

INSTANTIATE_TEST_SUITE_P (EveryModeAndValue, HostileAudio,
                          testing::Combine (testing::Values (BadSample::notANumber, BadSample::positiveInfinity,
                                                             BadSample::negativeInfinity),
                                            testing::Bool(), testing::Bool()),
                          nameOf);

TEST (HostileAudioEdgeCases, MonoProcessorRecoversFromNaNInItsOnlyChannel)
{
    auto processor = std::make_unique<VantrelAudioProcessor>();
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::mono());
    layout.outputBuses.add (juce::AudioChannelSet::mono());
    ASSERT_TRUE (processor->setBusesLayout (layout));
    processor->setRateAndBufferSizeDetails (sampleRate, blockSize);
    processor->apvts.getParameter ("quality")->setValueNotifyingHost (1.0f);
    processor->prepareToPlay (sampleRate, blockSize);

    const auto lastBad =
        lastNonFiniteOutput (*processor, std::numeric_limits<float>::quiet_NaN(), 0, 10, (long)sampleRate / 4, 1);
    EXPECT_LT (lastBad, 10 + recoverySamples);
}

// With the floating-point unit flushing denormals, denormal input counts as silence: every output
// sample is exactly 0 and no denormal reaches the host.
TEST (HostileAudioEdgeCases, DenormalInputGivesSilenceInBothModes)
{
    for (const auto oversampled : {false, true})
    {
        auto processor = makeProcessor (oversampled, false);
        juce::AudioBuffer<float> buffer (2, blockSize);
        juce::MidiBuffer midi;

        for (int round = 0; round < 20; ++round)
        {
            for (int channel = 0; channel < 2; ++channel)
                for (int i = 0; i < blockSize; ++i)
                    buffer.setSample (channel, i,
                                      (i % 2 == 0 ? 1.0f : -1.0f) * std::numeric_limits<float>::denorm_min() *
                                          (float)(i + 1));

            processor->processBlock (buffer, midi);

            for (int channel = 0; channel < 2; ++channel)
                for (int i = 0; i < blockSize; ++i)
                    ASSERT_EQ (buffer.getSample (channel, i), 0.0f)
                        << (oversampled ? "2x" : "1x") << " round " << round;
        }

        EXPECT_FLOAT_EQ (processor->outputLevelLeft(), -100.0f);
    }
}

// A signal that decays into the denormal range on its own (a filter ringing out) must leave the
// chain as zeros, not as denormals that would slow every later stage of the host.
TEST (HostileAudioEdgeCases, DecayingSignalNeverLeavesAsDenormals)
{
    auto processor = makeProcessor (true, false);
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    auto amplitude = 1.0f;

    for (int round = 0; round < 200; ++round)
    {
        for (int channel = 0; channel < 2; ++channel)
            for (int i = 0; i < blockSize; ++i)
                buffer.setSample (channel, i, amplitude * sine (round * blockSize + i));

        amplitude *= 0.5f;
        processor->processBlock (buffer, midi);

        for (int channel = 0; channel < 2; ++channel)
            for (int i = 0; i < blockSize; ++i)
                ASSERT_NE (std::fpclassify (buffer.getSample (channel, i)), FP_SUBNORMAL) << "round " << round;
    }
}
