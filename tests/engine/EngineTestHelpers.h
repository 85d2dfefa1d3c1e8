#pragma once

#include "PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace EngineTest
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 480;

inline void setParameter (VantrelAudioProcessor& processor, const juce::String& id, float realValue)
{
    auto* parameter = processor.apvts.getParameter (id);
    ASSERT_NE (parameter, nullptr) << id;
    parameter->setValueNotifyingHost (parameter->convertTo0to1 (realValue));
}

inline float getParameter (VantrelAudioProcessor& processor, const juce::String& id)
{
    return processor.apvts.getRawParameterValue (id)->load();
}

inline std::unique_ptr<VantrelAudioProcessor> makeProcessor (int numChannels = 2)
{
    auto processor = std::make_unique<VantrelAudioProcessor>();
    const auto set = numChannels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (set);
    layout.outputBuses.add (set);
    EXPECT_TRUE (processor->setBusesLayout (layout));
    return processor;
}

inline void prepare (VantrelAudioProcessor& processor, int maximumBlockSize = blockSize)
{
    processor.setRateAndBufferSizeDetails (sampleRate, maximumBlockSize);
    processor.prepareToPlay (sampleRate, maximumBlockSize);
}

// Runs the whole signal through the processor in blocks and returns what came out.
inline juce::AudioBuffer<float> processInBlocks (VantrelAudioProcessor& processor,
                                                 const juce::AudioBuffer<float>& input, int size = blockSize)
{
    juce::AudioBuffer<float> output (input);
    juce::MidiBuffer midi;

    for (int start = 0; start < output.getNumSamples(); start += size)
    {
        const auto length = std::min (size, output.getNumSamples() - start);
        juce::AudioBuffer<float> block (output.getArrayOfWritePointers(), output.getNumChannels(), start, length);
        processor.processBlock (block, midi);
    }

    return output;
}

inline juce::AudioBuffer<float> makeSignal (int numChannels, int numSamples, const std::function<float (int)>& sample)
{
    juce::AudioBuffer<float> buffer (numChannels, numSamples);

    for (int channel = 0; channel < numChannels; ++channel)
        for (int i = 0; i < numSamples; ++i)
            buffer.setSample (channel, i, sample (i));

    return buffer;
}

inline juce::AudioBuffer<float> makeConstant (int numChannels, int numSamples, float value)
{
    return makeSignal (numChannels, numSamples, [value] (int) { return value; });
}

inline juce::AudioBuffer<float> makeSine (int numChannels, int numSamples, float amplitude, double frequency)
{
    return makeSignal (
        numChannels, numSamples,
        [=] (int i)
        { return amplitude * (float)std::sin (juce::MathConstants<double>::twoPi * frequency * i / sampleRate); });
}
}
