// State blocks a host should never hand back: malformed UTF-8, every truncation of a saved block,
// and blocks that claim more text than they hold. Nothing may be read outside the block (the
// sanitizer builds check that), the parameters stay inside their ranges, and a block that cannot be
// read leaves the state as it was.

#include "PluginProcessor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace
{
using namespace std::string_literals;

std::vector<float> valuesOf (VantrelAudioProcessor& processor)
{
    std::vector<float> values;

    for (auto* parameter : processor.getParameters())
        values.push_back (parameter->getValue());

    return values;
}

juce::MemoryBlock blockWithText (const std::string& text)
{
    juce::MemoryBlock block;
    const auto length = (uint32_t)text.size();
    const char header[8] = {'V',
                            'C',
                            '2',
                            '!',
                            (char)(length & 0xFF),
                            (char)((length >> 8) & 0xFF),
                            (char)((length >> 16) & 0xFF),
                            (char)(length >> 24)};
    block.append (header, sizeof (header));
    block.append (text.data(), text.size());
    block.append ("", 1);
    return block;
}

const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?> ";

void setInput (VantrelAudioProcessor& processor, float decibels)
{
    auto* input = processor.apvts.getParameter ("input");
    input->setValueNotifyingHost (input->convertTo0to1 (decibels));
}
}

// A text whose last bytes start a multi-byte sequence that never ends, or that holds bytes no UTF-8
// text contains: the framework's parser would step past the end of its copy. Such text is not a
// document: nothing changes.
TEST (HostileState, MalformedUtf8ChangesNothing)
{
    const std::string documents[] = {
        declaration + "<VantrelParameters><PARAM id=\"input\" value=\"-3.0\"/></Some\xff\xff\xff\xff\xff\xff",
        declaration + "<VantrelParameters><PARAM id=\"input\" value=\"-3.0\"/></VantrelParameters>\xf0",
        declaration + "<VantrelParameters><PARAM id=\"input\" value=\"-3.0\"/><![CDATA[\xe2\x82",
        declaration + "<VantrelParameters><PARAM id=\"in\xc0put\" value=\"-3.0\"/></VantrelParameters>",
        // An overlong form (JUCE's own check lets it through, and its reader keeps half of it in the
        // tag name, so the next save would not read back), a surrogate, and a code point past U+10FFFF.
        "<\xc1\x87><PARAM id=\"input\" value=\"-3.0\"/></\xc1\x87>",
        declaration + "<VantrelParameters><PARAM id=\"input\" value=\"-3.0\" n=\"\xed\xa0\x80\"/></VantrelParameters>",
        declaration +
            "<VantrelParameters><PARAM id=\"input\" value=\"-3.0\" n=\"\xf4\x90\x80\x80\"/></VantrelParameters>",
    };

    for (const auto& text : documents)
    {
        VantrelAudioProcessor processor;
        setInput (processor, 6.0f);
        const auto before = valuesOf (processor);

        const auto block = blockWithText (text);
        processor.setStateInformation (block.getData(), (int)block.getSize());

        EXPECT_EQ (valuesOf (processor), before);
    }
}

// Characters beyond ASCII in well-formed UTF-8 are still read.
TEST (HostileState, WellFormedUtf8IsStillRead)
{
    VantrelAudioProcessor processor;
    const auto block = blockWithText (
        declaration + "<VantrelParameters><PARAM id=\"input\" value=\"-3.0\" note=\"\xc3\xa9\xe2\x82\xac\"/>"
                      "</VantrelParameters>");
    processor.setStateInformation (block.getData(), (int)block.getSize());

    EXPECT_FLOAT_EQ (processor.apvts.getRawParameterValue ("input")->load(), -3.0f);
}

// Every prefix of a saved block, and the saved block with a length field far beyond its data: each is
// handled, values stay inside their ranges, and the whole block still restores afterwards.
TEST (HostileState, EveryTruncationAndAnOverlongLengthField)
{
    VantrelAudioProcessor source;
    setInput (source, -7.5f);
    source.apvts.getParameter ("clipCurve")->setValueNotifyingHost (0.25f);
    juce::MemoryBlock saved;
    source.getStateInformation (saved);

    VantrelAudioProcessor target;

    for (size_t length = 0; length < saved.getSize(); ++length)
    {
        // A copy of exactly that many bytes, so that a read beyond them is caught.
        std::vector<char> prefix ((const char*)saved.getData(), (const char*)saved.getData() + length);
        target.setStateInformation (prefix.empty() ? nullptr : prefix.data(), (int)length);

        for (auto* parameter : target.getParameters())
        {
            EXPECT_TRUE (std::isfinite (parameter->getValue()));
            EXPECT_GE (parameter->getValue(), 0.0f);
            EXPECT_LE (parameter->getValue(), 1.0f);
        }
    }

    auto overlong = saved;
    const char hugeLength[4] = {'\xff', '\xff', '\xff', '\x7f'};
    std::memcpy ((char*)overlong.getData() + 4, hugeLength, sizeof (hugeLength));
    target.setStateInformation (overlong.getData(), (int)overlong.getSize());
    EXPECT_EQ (valuesOf (target), valuesOf (source));

    target.setStateInformation (saved.getData(), (int)saved.getSize());
    EXPECT_EQ (valuesOf (target), valuesOf (source));
}

// JUCE's parser loops forever over an element whose content holds a processing instruction followed
// by text. Restoring such a block must return (and change nothing); a hang fails the test program.
TEST (HostileState, ProcessingInstructionsInsideElementsDoNotHang)
{
    const std::string documents[] = {
        declaration + "<VantrelParameters><?p?>text<PARAM id=\"input\" value=\"-3.0\"/></VantrelParameters>",
        declaration + "<VantrelParameters><PARAM id=\"input\" value=\"-3.0\"> <?xml version=\"1.0\"?> 8\"/></PARAM>",
        "<?xml ersion=\"1\"ning=\"UTF-8\"?> <VantrelParameters><PARAM UTt\"AR<?x\" en!oding=\"UTF-8\"?>--er\">",
        // Found by fuzzing: "<?>" is no complete instruction, the reader's ends at the "?>" after "F-8".
        "<?>ml version=\"1.0\" enc<![CDATA[F-8\"?> <VantrelParameters><PARAM <VantrelParamt\" v<?xml version=\"1.0\" "
        "encoding=\"UTF-8\"?> ;e=\"0.0\"/><PARAM id=\"quality\" value=\"0.0\"/></VantrelParameters>",
        // The reader's declaration ends where its '<' and '>' balance, inside what looks like a comment.
        "<!DOCTYPE <x> <!-- >> <VantrelParameters><?p?>text</VantrelParameters> -->",
    };

    for (const auto& text : documents)
    {
        VantrelAudioProcessor processor;
        const auto before = valuesOf (processor);
        const auto block = blockWithText (text);

        auto restore = std::async (std::launch::async,
                                   [&] { processor.setStateInformation (block.getData(), (int)block.getSize()); });

        if (restore.wait_for (std::chrono::seconds (20)) != std::future_status::ready)
        {
            ADD_FAILURE() << "setStateInformation did not return for: " << text;
            std::_Exit (1);
        }

        EXPECT_EQ (valuesOf (processor), before);
    }
}

// JUCE's reader steps one character past a hexadecimal character reference that the end of the text
// (or a 0 byte) cuts off, past the end of its copy, and it reads the name of an unknown entity that
// starts with '<', or an entity its document type defines, as a text of its own that can end in such
// a reference. Such texts change nothing; references that end properly are still read.
TEST (HostileState, CharacterReferencesTheReaderCutsOffChangeNothing)
{
    const std::string start = declaration + "<VantrelParameters><PARAM id=\"input\" value=\"-3.0\"/>";
    const std::string texts[] = {
        start + "&#x",
        start + "&#X4",
        start + "<a b=\"&#x0123abcd",
        start + "&#x4\0more"s,
        start + "&<b>&#x41;</VantrelParameters>",
        "<!DOCTYPE r [<!ENTITY e \"<b>&#x41\">]><VantrelParameters><PARAM id=\"input\" value=\"-3.0\"/>&e;"
        "</VantrelParameters>",
    };

    for (const auto& text : texts)
    {
        VantrelAudioProcessor processor;
        const auto before = valuesOf (processor);
        const auto block = blockWithText (text);
        processor.setStateInformation (block.getData(), (int)block.getSize());
        EXPECT_EQ (valuesOf (processor), before) << text;
    }

    for (const auto& value : {"&#x2d;3.5"s, "&#45;3.5"s, "-3.5&#x20;"s})
    {
        VantrelAudioProcessor processor;
        const auto block = blockWithText (declaration + "<VantrelParameters><PARAM id=\"input\" value=\"" + value +
                                          "\"/></VantrelParameters>");
        processor.setStateInformation (block.getData(), (int)block.getSize());
        EXPECT_FLOAT_EQ (processor.apvts.getRawParameterValue ("input")->load(), -3.5f) << value;
    }
}
