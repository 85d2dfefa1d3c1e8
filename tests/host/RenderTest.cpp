// Audio rendered through the bundle, compared with the engine run directly.

#include "HostTestHelpers.h"

#include "PluginProcessor.h"
#include "Renderer.h"
#include "TestSignal.h"

#include <gtest/gtest.h>

using namespace aaxhost;
using namespace hosttest;

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;
constexpr int preparedBlockSize = 1024; // the host's largest block, for which JUCE's client prepares

/** Runs the engine as JUCE's client runs it: prepared for the largest block, then block by block in place. */
AudioData renderWithEngine (const AudioData& input, const std::vector<std::pair<juce::String, float>>& settings)
{
    VantrelAudioProcessor engine;
    const auto numChannels = input.getNumChannels();
    const auto layout = numChannels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
    EXPECT_TRUE (engine.setBusesLayout ({{layout}, {layout}}));

    engine.setRateAndBufferSizeDetails (sampleRate, preparedBlockSize);
    engine.prepareToPlay (sampleRate, preparedBlockSize);

    for (auto& [id, value] : settings)
    {
        auto* parameter = engine.apvts.getParameter (id);
        parameter->setValue (value);
        parameter->sendValueChangedMessageToListeners (value);
    }

    AudioData output = input;
    juce::MidiBuffer midi;

    for (int start = 0; start < input.getNumFrames(); start += blockSize)
    {
        const auto frames = std::min (blockSize, input.getNumFrames() - start);
        std::vector<float*> channels;

        for (auto& channel : output.channels)
            channels.push_back (channel.data() + start);

        juce::AudioBuffer<float> buffer (channels.data(), numChannels, frames);
        engine.processBlock (buffer, midi);
    }

    engine.releaseResources();
    return output;
}

AudioData renderWithHost (const AudioData& input, const std::vector<std::pair<std::string, double>>& settings,
                          std::vector<TraceLine>* traces = nullptr)
{
    const auto host = makeRegisteredHost();
    auto instance = makeInstance (*host, input.getNumChannels() == 1 ? mono : stereo, sampleRate);

    for (auto& [id, value] : settings)
        EXPECT_EQ (instance->setNormalizedValue (id, value), 0) << id;

    auto output = renderAudio (*instance, input, blockSize);
    instance.reset();

    if (traces != nullptr)
        *traces = host->getDiagnostics().getTraces();

    EXPECT_EQ (host->canUnloadNow(), 0);
    return output;
}

size_t countDifferences (const AudioData& a, const AudioData& b)
{
    EXPECT_EQ (a.getNumChannels(), b.getNumChannels());
    EXPECT_EQ (a.getNumFrames(), b.getNumFrames());
    size_t differences = 0;

    for (size_t channel = 0; channel < a.channels.size(); ++channel)
        for (size_t i = 0; i < a.channels[channel].size(); ++i)
            if (std::memcmp (&a.channels[channel][i], &b.channels[channel][i], sizeof (float)) != 0)
                ++differences;

    return differences;
}

float peakOf (const AudioData& audio)
{
    float peak = 0.0f;

    for (auto& channel : audio.channels)
        for (auto sample : channel)
            peak = std::max (peak, std::abs (sample));

    return peak;
}
}

TEST (Render, StereoAtOneTimesIsBitIdenticalToTheEngine)
{
    const auto input = makeTestSignal (sampleRate, 2, 1.5);
    const auto expected = renderWithEngine (input, {{"clip", 0.4f}});
    const auto rendered = renderWithHost (input, {{"clip", 0.4}});

    EXPECT_EQ (countDifferences (rendered, expected), 0u);
    EXPECT_NE (countDifferences (rendered, input), 0u); // the plug-in did change the signal
    EXPECT_LE (peakOf (rendered), 1.0f);                // clamped
    EXPECT_GT (peakOf (input), 2.0f);
}

TEST (Render, StereoAtTwoTimesIsBitIdenticalToTheEngine)
{
    const auto input = makeTestSignal (sampleRate, 2, 1.5);
    const auto expected = renderWithEngine (input, {{"quality", 1.0f}, {"clipCurve", 0.3f}});
    const auto rendered = renderWithHost (input, {{"quality", 1.0}, {"clipCurve", 0.3}});

    EXPECT_EQ (countDifferences (rendered, expected), 0u);

    // Oversampling really ran: the result differs from the one-times result.
    EXPECT_NE (countDifferences (rendered, renderWithEngine (input, {{"clipCurve", 0.3f}})), 0u);
}

TEST (Render, MonoIsBitIdenticalToTheEngine)
{
    const auto input = makeTestSignal (sampleRate, 1, 0.5);
    EXPECT_EQ (
        countDifferences (renderWithHost (input, {{"input", 0.75}}), renderWithEngine (input, {{"input", 0.75f}})), 0u);
}

TEST (Render, MasterBypassPassesTheAudioUnchanged)
{
    const auto input = makeTestSignal (sampleRate, 2, 0.5);
    std::vector<TraceLine> traces;
    const auto rendered = renderWithHost (input, {{"clip", 1.0}, {"MasterBypassID", 1.0}}, &traces);

    EXPECT_EQ (countDifferences (rendered, input), 0u);
    EXPECT_TRUE (traces.empty());
}

TEST (Render, BlocksOfEverySizeUpToTheLargestWork)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    const auto input = makeTestSignal (sampleRate, 2, 0.1);

    for (auto size : {1, 7, 64, 1024})
    {
        const auto output = renderAudio (*instance, input, size);
        EXPECT_EQ (output.getNumFrames(), input.getNumFrames());
        EXPECT_LE (peakOf (output), 1.0f);
    }

    const float* inputs[] = {input.channels[0].data(), input.channels[1].data()};
    std::vector<float> left (2048), right (2048);
    float* outputs[] = {left.data(), right.data()};
    EXPECT_THROW (instance->process (inputs, outputs, 1025), PluginError);
    EXPECT_THROW (instance->process (inputs, outputs, 0), PluginError);
}

TEST (Render, TheInstanceReportsNoLatency)
{
    const auto host = makeRegisteredHost();

    for (auto quality : {0.0, 1.0})
    {
        const auto instance = makeInstance (*host);
        instance->setNormalizedValue ("quality", quality);
        EXPECT_EQ (instance->getLatency(), 0);
    }
}

TEST (Instances, AHostWithoutControllerIsRefusedAndLeavesNothingAlive)
{
    HostOptions options;
    options.controllerVersions = 0; // no sample rate, no stem formats
    const auto host = makeRegisteredHost (options);

    try
    {
        makeInstance (*host);
        FAIL() << "the instance should not initialise";
    }
    catch (const PluginError& e)
    {
        EXPECT_EQ (e.result, -20009); // the client cannot build a bus layout without stem formats
    }

    EXPECT_EQ (host->canUnloadNow(), 0);
}
