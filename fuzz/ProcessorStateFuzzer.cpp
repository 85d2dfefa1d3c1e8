// Hands arbitrary bytes to setStateInformation on a live, prepared processor that has already
// processed audio, then demands that it
//  - still saves a well-formed block (magic, length field, one XML document, trailing 0),
//  - holds every parameter inside its range,
//  - gives a block that a fresh processor restores to exactly the same parameter values,
//  - keeps producing finite audio.
//
// The first input byte chooses how the rest is used: as the whole state block as a host would hand
// it over (odd), or as the block's text, with a correct header put in front of it (even), so that
// mutations of the XML are not wasted on a broken length field.

#include "FuzzCheck.h"
#include "PluginProcessor.h"

#include <juce_events/juce_events.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 64;

using fuzzcheck::check;
using fuzzcheck::fail;

// The framework's message manager must outlive every processor: the value-tree state runs a timer.
const juce::ScopedJuceInitialiser_GUI& framework()
{
    static const auto* initialiser = new juce::ScopedJuceInitialiser_GUI();
    return *initialiser;
}

std::unique_ptr<VantrelAudioProcessor> makePreparedProcessor()
{
    auto processor = std::make_unique<VantrelAudioProcessor>();
    processor->setRateAndBufferSizeDetails (sampleRate, blockSize);
    processor->prepareToPlay (sampleRate, blockSize);
    return processor;
}

// Runs a few blocks of a loud sine and checks that every output sample is a finite number.
void processAndCheckFinite (VantrelAudioProcessor& processor, int numBlocks)
{
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    static int phase = 0;

    for (int block = 0; block < numBlocks; ++block)
    {
        for (int channel = 0; channel < 2; ++channel)
            for (int i = 0; i < blockSize; ++i)
                buffer.setSample (channel, i, 1.5f * std::sin (0.05f * (float)(phase + i)));

        phase += blockSize;
        processor.processBlock (buffer, midi);

        for (int channel = 0; channel < 2; ++channel)
            for (int i = 0; i < blockSize; ++i)
                check (std::isfinite (buffer.getSample (channel, i)), "non-finite output sample");
    }

    for (const auto level : {processor.inputLevelLeft(), processor.inputLevelRight(), processor.outputLevelLeft(),
                             processor.outputLevelRight(), processor.clipLevel()})
        check (std::isfinite (level), "non-finite level value");
}

// The saved block's frame and text, checked byte by byte.
void checkWellFormed (const juce::MemoryBlock& block)
{
    check (block.getSize() >= 9, "saved block shorter than 9 bytes");

    const auto* bytes = static_cast<const uint8_t*> (block.getData());
    check (std::memcmp (bytes, "VC2!", 4) == 0, "saved block without its magic");

    const auto textLength = juce::ByteOrder::littleEndianInt (bytes + 4);
    check (textLength == block.getSize() - 9, "length field does not match the block size");
    check (bytes[block.getSize() - 1] == 0, "saved block does not end with a 0 byte");
    check (std::memchr (bytes + 8, 0, textLength) == nullptr, "NUL inside the saved text");

    const auto text = juce::String::fromUTF8 ((const char*)bytes + 8, (int)textLength);
    check (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?> <"), "saved text without its declaration");
    check (!text.containsAnyOf ("\r\n"), "line break in the saved text");
    check (juce::parseXML (text) != nullptr, "saved text is not well-formed XML");
}

void checkParametersInRange (VantrelAudioProcessor& processor)
{
    for (auto* parameter : processor.getParameters())
    {
        const auto value = parameter->getValue();
        check (std::isfinite (value) && value >= 0.0f && value <= 1.0f, "parameter outside 0..1");
    }
}
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    framework();

    if (size < 1)
        return 0;

    const auto wholeBlock = (data[0] & 1) != 0;
    ++data;
    --size;

    juce::MemoryBlock state;

    if (wholeBlock)
    {
        state.append (data, size);
    }
    else
    {
        const uint8_t header[8] = {
            'V', 'C', '2', '!', (uint8_t)size, (uint8_t)(size >> 8), (uint8_t)(size >> 16), (uint8_t)(size >> 24)};
        state.append (header, sizeof (header));
        state.append (data, size);
        state.append ("", 1);
    }

    auto processor = makePreparedProcessor();
    processAndCheckFinite (*processor, 2);

    processor->setStateInformation (state.getData(), (int)state.getSize());

    checkParametersInRange (*processor);
    processAndCheckFinite (*processor, 4);

    juce::MemoryBlock saved;
    processor->getStateInformation (saved);
    checkWellFormed (saved);

    // What was saved must bring a fresh instance to the same values.
    auto restored = makePreparedProcessor();
    restored->setStateInformation (saved.getData(), (int)saved.getSize());

    const auto& before = processor->getParameters();
    const auto& after = restored->getParameters();
    check (before.size() == after.size(), "parameter count changed");

    for (int i = 0; i < before.size(); ++i)
        if (before[i]->getValue() != after[i]->getValue())
        {
            std::fprintf (stderr, "parameter %s: %.9g saved, %.9g restored\n", before[i]->getName (64).toRawUTF8(),
                          (double)before[i]->getValue(), (double)after[i]->getValue());
            fail ("a saved block did not restore the values it was saved from");
        }

    processAndCheckFinite (*restored, 2);
    return 0;
}
