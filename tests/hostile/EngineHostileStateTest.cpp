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
#include <functional>
#include <future>
#include <memory>
#include <pthread.h>
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

// A fresh processor with "input" away from its default is handed a block with the text: every
// parameter must keep its value.
void expectTextChangesNothing (const std::string& text)
{
    VantrelAudioProcessor processor;
    setInput (processor, 6.0f);
    const auto before = valuesOf (processor);

    const auto block = blockWithText (text);
    processor.setStateInformation (block.getData(), (int)block.getSize());
    EXPECT_EQ (valuesOf (processor), before) << text;
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
        expectTextChangesNothing (text);
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
        expectTextChangesNothing (text);

    for (const auto& value : {"&#x2d;3.5"s, "&#45;3.5"s, "-3.5&#x20;"s})
    {
        VantrelAudioProcessor processor;
        const auto block = blockWithText (declaration + "<VantrelParameters><PARAM id=\"input\" value=\"" + value +
                                          "\"/></VantrelParameters>");
        processor.setStateInformation (block.getData(), (int)block.getSize());
        EXPECT_FLOAT_EQ (processor.apvts.getRawParameterValue ("input")->load(), -3.5f) << value;
    }
}

// Well-formed XML names an attribute once and quotes its value; JUCE's reader takes either kind of
// mistake its own way, runs one value and saves another. Such texts change nothing.
TEST (HostileState, RepeatedAttributesAndUnquotedValuesChangeNothing)
{
    const std::string texts[] = {
        declaration + "<VantrelParameters><PARAM id=\"clipCurve\" value=\"abc\" value=\"40.0\"/></VantrelParameters>",
        declaration + "<VantrelParameters><PARAM id=\"input\" value=\"5.0\" id=\"output\"/></VantrelParameters>",
        declaration + "<VantrelParameters a=\"1\" a=\"1\"><PARAM id=\"input\" value=\"5.0\"/></VantrelParameters>",
        declaration + "<VantrelParameters><PARAM id=input value=5.0/></VantrelParameters>",
        declaration + "<VantrelParameters><PARAM id=\"input\" value=5.0 /></VantrelParameters>",
    };

    for (const auto& text : texts)
        expectTextChangesNothing (text);
}

// JUCE's reader reads at most eight hexadecimal or twelve decimal digits of a character reference
// and takes the rest of it for text; well-formed XML allows any number of leading zeros. Such a
// reference changes nothing; a shorter one is still read.
TEST (HostileState, CharacterReferencesLongerThanTheReaderReadsChangeNothing)
{
    for (const auto* value : {"&#x000000002d;3.5", "&#0000000000045;3.5"})
        expectTextChangesNothing (declaration + "<VantrelParameters><PARAM id=\"input\" value=\"" + value +
                                  "\"/></VantrelParameters>");

    VantrelAudioProcessor processor;
    const auto block = blockWithText (
        declaration +
        "<VantrelParameters><PARAM id=\"input\" value=\"&#x0000002d;&#000000000051;.5\"/></VantrelParameters>");
    processor.setStateInformation (block.getData(), (int)block.getSize());
    EXPECT_FLOAT_EQ (processor.apvts.getRawParameterValue ("input")->load(), -3.5f);
}

namespace
{
// A state whose root holds "input" at -1.5 dB and a chain of unknown elements nested to the given
// depth, the root counting as level 1.
std::string nestedState (int depth)
{
    std::string chain;

    for (int level = 2; level <= depth; ++level)
        chain += "<a>";

    for (int level = 2; level <= depth; ++level)
        chain += "</a>";

    return declaration + "<VantrelParameters><PARAM id=\"input\" value=\"-1.5\"/>" + chain + "</VantrelParameters>";
}
}

// JUCE's reader calls itself once per level: texts nest at most 32 levels deep, however many elements
// they hold. The deepest such text is read, and so is the block saved from it.
TEST (HostileState, TextsNestedUpTo32LevelsAreReadDeeperOnesAreNot)
{
    VantrelAudioProcessor processor;
    setInput (processor, 6.0f);
    const auto before = valuesOf (processor);

    const auto tooDeep = blockWithText (nestedState (33));
    processor.setStateInformation (tooDeep.getData(), (int)tooDeep.getSize());
    EXPECT_EQ (valuesOf (processor), before);

    const auto deepest = blockWithText (nestedState (32));
    processor.setStateInformation (deepest.getData(), (int)deepest.getSize());
    EXPECT_FLOAT_EQ (processor.apvts.getRawParameterValue ("input")->load(), -1.5f);

    juce::MemoryBlock saved;
    processor.getStateInformation (saved);

    VantrelAudioProcessor other;
    other.setStateInformation (saved.getData(), (int)saved.getSize());
    EXPECT_FLOAT_EQ (other.apvts.getRawParameterValue ("input")->load(), -1.5f);
}

namespace
{
#if defined(__SANITIZE_ADDRESS__)
constexpr bool builtWithAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool builtWithAddressSanitizer = true;
#else
constexpr bool builtWithAddressSanitizer = false;
#endif
#else
constexpr bool builtWithAddressSanitizer = false;
#endif

// The bytes of stack a call uses, measured on a thread whose stack is painted before it starts: the
// bytes below the top that the call leaves changed. (The thread's own start-up is measured with an
// empty call and taken off.)
class StackMeter
{
public:
    static size_t bytesUsedBy (const std::function<void()>& call)
    {
        return measure (call) - measure ([] {});
    }

private:
    static constexpr size_t stackSize = size_t (1) << 20;
    static constexpr unsigned char paint = 0xa5;

    __attribute__ ((no_sanitize ("address"))) static size_t measure (const std::function<void()>& call)
    {
        std::unique_ptr<unsigned char, decltype (&std::free)> stack (
            static_cast<unsigned char*> (std::aligned_alloc (4096, stackSize)), &std::free);
        std::memset (stack.get(), paint, stackSize);

        pthread_attr_t attributes;
        pthread_attr_init (&attributes);
        pthread_attr_setstack (&attributes, stack.get(), stackSize);

        pthread_t thread;
        const auto run = [] (void* function) -> void*
        {
            (*static_cast<const std::function<void()>*> (function))();
            return nullptr;
        };

        EXPECT_EQ (pthread_create (&thread, &attributes, run, const_cast<std::function<void()>*> (&call)), 0);
        pthread_join (thread, nullptr);
        pthread_attr_destroy (&attributes);

        size_t untouched = 0;

        while (untouched < stackSize && stack.get()[untouched] == paint)
            ++untouched;

        return stackSize - untouched;
    }
};
}

// The deepest text that is read, restored and then saved again (both walk the tree once per level),
// stays far inside the smallest stack a host may call on.
TEST (HostileState, TheDeepestTextThatIsReadNeedsLittleStack)
{
    VantrelAudioProcessor processor;
    const auto deepest = blockWithText (nestedState (32));
    juce::MemoryBlock saved;

    const auto restoring =
        StackMeter::bytesUsedBy ([&] { processor.setStateInformation (deepest.getData(), (int)deepest.getSize()); });
    const auto saving = StackMeter::bytesUsedBy ([&] { processor.getStateInformation (saved); });

    ASSERT_FLOAT_EQ (processor.apvts.getRawParameterValue ("input")->load(), -1.5f);
    std::printf ("stack used by restoring the deepest text: %zu bytes; by saving it: %zu bytes\n", restoring, saving);

    // About 11 KB and 5 KB in the plain build. AddressSanitizer's redzones make each frame several
    // times larger (without its fake stacks, restoring takes about 56 KB).
    constexpr size_t bound = (builtWithAddressSanitizer ? 4 : 1) * 64 * 1024;
    EXPECT_LT (restoring, bound);
    EXPECT_LT (saving, bound);
}
