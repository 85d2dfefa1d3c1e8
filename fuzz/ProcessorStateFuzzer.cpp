// Hands arbitrary bytes to setStateInformation on a live, prepared processor that has already
// processed audio, then demands that it
//  - still saves a well-formed block (magic, length field, one XML document, trailing 0),
//  - holds every parameter inside its range,
//  - gives a block that a fresh processor restores to exactly the same parameter values (with
//    VANTREL_FUZZ_ROUND_TRIP set; see below),
//  - keeps producing finite audio.
//
// The first input byte chooses how the rest is used: as the whole state block as a host would hand
// it over (odd), or as the block's text, with a correct header put in front of it (even), so that
// mutations of the XML are not wasted on a broken length field.

#include "PluginProcessor.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 64;

[[noreturn]] void fail (const char* what)
{
    std::fprintf (stderr, "ProcessorStateFuzzer: %s\n", what);
    std::abort();
}

void check (bool condition, const char* what)
{
    if (!condition)
        fail (what);
}

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

// JUCE's parser accepts an element that names one attribute twice (which well-formed XML never
// does); the value tree keeps both, writes both again, and it and the parameter disagree on which
// of the two counts. So a save-and-restore difference is not held against a block (given or saved)
// that has such an element. The check is textual (declarations, instructions, comments and quoted
// values removed, then the names before each '=' of every tag), so that it never runs JUCE's
// parser over input the processor refused.
bool hasRepeatedAttribute (const juce::MemoryBlock& state)
{
    const auto* bytes = static_cast<const char*> (state.getData());
    std::string text (bytes, state.getSize());
    std::string unquoted;
    char quote = 0;

    for (size_t i = 0; i < text.size(); ++i)
    {
        const auto c = text[i];

        if (quote != 0)
        {
            if (c == quote)
                quote = 0;
        }
        else if (text.compare (i, 2, "<?") == 0 || text.compare (i, 4, "<!--") == 0)
        {
            // Skipped whole, as JUCE's parser skips declarations, instructions and comments.
            const auto end = text.find (text[i + 1] == '?' ? "?>" : "-->", i);
            i = end == std::string::npos ? text.size() : end;
        }
        else if (c == '"' || c == '\'')
        {
            quote = c;
        }
        else
        {
            unquoted += c;
        }
    }

    for (size_t start = unquoted.find ('<'); start != std::string::npos; start = unquoted.find ('<', start + 1))
    {
        const auto end = unquoted.find ('>', start);
        const auto tag = unquoted.substr (start, end == std::string::npos ? std::string::npos : end - start);
        std::vector<std::string> names;

        for (size_t equals = tag.find ('='); equals != std::string::npos; equals = tag.find ('=', equals + 1))
        {
            auto nameEnd = equals;

            while (nameEnd > 0 && std::isspace ((unsigned char)tag[nameEnd - 1]))
                --nameEnd;

            auto nameStart = nameEnd;

            while (nameStart > 0 && !std::isspace ((unsigned char)tag[nameStart - 1]) && tag[nameStart - 1] != '<' &&
                   tag[nameStart - 1] != '=')
                --nameStart;

            const auto name = tag.substr (nameStart, nameEnd - nameStart);

            if (std::find (names.begin(), names.end(), name) != names.end())
                return true;

            names.push_back (name);
        }
    }

    return false;
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

    // What was saved must bring a fresh instance to the same values. JUCE's lax reading of blocks
    // that name one parameter twice, or one attribute twice, breaks this in ways that are the
    // framework's (the saved tree and the parameters disagree), so the comparison runs only when
    // VANTREL_FUZZ_ROUND_TRIP is set; the checks above always run.
    static const auto compareRoundTrip = std::getenv ("VANTREL_FUZZ_ROUND_TRIP") != nullptr;

    if (!compareRoundTrip)
        return 0;

    auto restored = makePreparedProcessor();
    restored->setStateInformation (saved.getData(), (int)saved.getSize());

    const auto& before = processor->getParameters();
    const auto& after = restored->getParameters();
    check (before.size() == after.size(), "parameter count changed");

    for (int i = 0; i < before.size(); ++i)
        if (before[i]->getValue() != after[i]->getValue() && !hasRepeatedAttribute (state) &&
            !hasRepeatedAttribute (saved))
        {
            std::fprintf (stderr, "parameter %s: %.9g saved, %.9g restored\n", before[i]->getName (64).toRawUTF8(),
                          (double)before[i]->getValue(), (double)after[i]->getValue());
            fail ("a saved block did not restore the values it was saved from");
        }

    processAndCheckFinite (*restored, 2);
    return 0;
}
