#include "EngineTestHelpers.h"

using namespace EngineTest;

namespace
{
const char* const defaultText = "<?xml version=\"1.0\" encoding=\"UTF-8\"?> <VantrelParameters>"
                                "<PARAM id=\"clip\" value=\"0.0\"/>"
                                "<PARAM id=\"clipBypass\" value=\"0.0\"/>"
                                "<PARAM id=\"clipCurve\" value=\"80.0\"/>"
                                "<PARAM id=\"input\" value=\"0.0\"/>"
                                "<PARAM id=\"output\" value=\"0.0\"/>"
                                "<PARAM id=\"quality\" value=\"0.0\"/>"
                                "</VantrelParameters>";

juce::MemoryBlock saveState (VantrelAudioProcessor& processor)
{
    juce::MemoryBlock block;
    processor.getStateInformation (block);
    return block;
}

juce::String textOf (const juce::MemoryBlock& block)
{
    if (block.getSize() < 9)
        return {};

    return juce::String::fromUTF8 (static_cast<const char*> (block.getData()) + 8, (int)block.getSize() - 9);
}

// A state block as the processor writes it, around any text.
juce::MemoryBlock makeBlock (const juce::String& text, juce::uint32 magic = 0x21324356)
{
    juce::MemoryOutputStream stream;
    stream.writeInt ((int)magic);
    stream.writeInt ((int)text.getNumBytesAsUTF8());
    stream.write (text.toRawUTF8(), text.getNumBytesAsUTF8());
    stream.writeByte (0);
    return stream.getMemoryBlock();
}

juce::String paramsText (const juce::String& root, const juce::String& children)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?> <" + root + ">" + children + "</" + root + ">";
}

void restore (VantrelAudioProcessor& processor, const juce::MemoryBlock& block)
{
    processor.setStateInformation (block.getData(), (int)block.getSize());
}

void setNonDefaults (VantrelAudioProcessor& processor)
{
    setParameter (processor, "quality", 1.0f);
    setParameter (processor, "input", -3.37f);
    setParameter (processor, "output", 7.11f);
    setParameter (processor, "clip", 4.56f);
    setParameter (processor, "clipCurve", 37.0f);
    setParameter (processor, "clipBypass", 1.0f);
}

const char* const allIds[]{"quality", "input", "output", "clip", "clipCurve", "clipBypass"};
}

TEST (State, NewInstanceWritesThe285ByteDefaultBlock)
{
    VantrelAudioProcessor processor;
    const auto block = saveState (processor);

    ASSERT_EQ (block.getSize(), 285u);

    const auto* bytes = static_cast<const juce::uint8*> (block.getData());
    const juce::uint8 header[]{0x56, 0x43, 0x32, 0x21, 0x14, 0x01, 0x00, 0x00};
    EXPECT_EQ (std::memcmp (bytes, header, sizeof (header)), 0);
    EXPECT_EQ (bytes[284], 0);

    const juce::MemoryBlock expected (defaultText, std::strlen (defaultText));
    ASSERT_EQ (expected.getSize(), 276u);
    EXPECT_EQ (std::memcmp (bytes + 8, expected.getData(), 276), 0) << textOf (block);
}

TEST (State, SavingTwiceGivesTheSameBlockAndReplacesTheDestination)
{
    VantrelAudioProcessor processor;
    juce::MemoryBlock block (1000, true);
    processor.getStateInformation (block);
    EXPECT_EQ (block.getSize(), 285u);
    EXPECT_EQ (block, saveState (processor));
}

TEST (State, RoundTripGivesBackTheExactValues)
{
    VantrelAudioProcessor processor;
    setNonDefaults (processor);

    std::map<juce::String, float> saved;
    for (const auto* id : allIds)
        saved[id] = getParameter (processor, id);

    const auto block = saveState (processor);
    EXPECT_TRUE (textOf (block).contains ("<PARAM id=\"clipCurve\" value=\"37.0\"/>"));
    EXPECT_TRUE (textOf (block).contains ("<PARAM id=\"quality\" value=\"1.0\"/>"));

    VantrelAudioProcessor other;
    restore (other, block);

    for (const auto* id : allIds)
        EXPECT_EQ (getParameter (other, id), saved[id]) << id;

    setParameter (processor, "input", 12.0f);
    setParameter (processor, "clipCurve", 3.0f);
    restore (processor, block);

    for (const auto* id : allIds)
        EXPECT_EQ (getParameter (processor, id), saved[id]) << id;

    EXPECT_EQ (saveState (processor), block);
}

TEST (State, TheMagicIsNotCompared)
{
    VantrelAudioProcessor processor;
    restore (processor,
             makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"input\" value=\"-4.5\"/>"), 0xdeadbeef));
    EXPECT_EQ (getParameter (processor, "input"), -4.5f);
}

TEST (State, ARootOfAnotherNameRestoresAndIsWrittenBack)
{
    VantrelAudioProcessor processor;
    restore (processor, makeBlock (paramsText ("Other", "<PARAM id=\"clip\" value=\"6.0\"/>"
                                                        "<PARAM id=\"unknown\" value=\"3.0\"/>")));
    EXPECT_EQ (getParameter (processor, "clip"), 6.0f);

    const auto text = textOf (saveState (processor));
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?> <Other>")) << text;
    EXPECT_TRUE (text.contains ("<PARAM id=\"unknown\" value=\"3.0\"/>")) << text;
}

TEST (State, AParameterTheBlockDoesNotNameIsAppendedLastWithItsValue)
{
    VantrelAudioProcessor processor;
    setParameter (processor, "clipCurve", 42.0f);

    restore (processor, makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"clip\" value=\"1.0\"/>"
                                                                    "<PARAM id=\"clipBypass\" value=\"0.0\"/>"
                                                                    "<PARAM id=\"input\" value=\"0.0\"/>"
                                                                    "<PARAM id=\"output\" value=\"0.0\"/>"
                                                                    "<PARAM id=\"quality\" value=\"0.0\"/>")));
    EXPECT_EQ (getParameter (processor, "clipCurve"), 42.0f);
    EXPECT_EQ (getParameter (processor, "clip"), 1.0f);

    const auto saved = saveState (processor);
    EXPECT_TRUE (textOf (saved).endsWith ("<PARAM id=\"quality\" value=\"0.0\"/>"
                                          "<PARAM id=\"clipCurve\" value=\"42.0\"/></VantrelParameters>"))
        << textOf (saved);

    // That block, read back, gives the curve the instance had, not its default.
    VantrelAudioProcessor other;
    setParameter (other, "clipCurve", 10.0f);
    restore (other, saved);
    EXPECT_EQ (getParameter (other, "clipCurve"), 42.0f);
}

TEST (State, ValuesAreLimitedToTheRangeAndNonNumbersCountAsZero)
{
    VantrelAudioProcessor processor;
    setParameter (processor, "clip", 5.0f);
    setParameter (processor, "output", 5.0f);
    setParameter (processor, "clipCurve", 30.0f);

    restore (processor, makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"input\" value=\"25\"/>"
                                                                    "<PARAM id=\"clip\" value=\"abc\"/>"
                                                                    "<PARAM id=\"output\" value=\"nan\"/>"
                                                                    "<PARAM id=\"clipCurve\"/>")));
    EXPECT_EQ (getParameter (processor, "input"), 20.0f);
    EXPECT_EQ (getParameter (processor, "clip"), 0.0f);
    EXPECT_EQ (getParameter (processor, "output"), 0.0f);
    EXPECT_EQ (getParameter (processor, "clipCurve"), 80.0f);

    // Exponents too long for JUCE's reader: far beyond the range, or 0.
    restore (processor,
             makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"input\" value=\"-1e311111111111100\"/>"
                                                         "<PARAM id=\"clip\" value=\"1e99999999999\"/>"
                                                         "<PARAM id=\"output\" value=\"3e-99999999999\"/>")));
    EXPECT_EQ (getParameter (processor, "input"), -20.0f);
    EXPECT_EQ (getParameter (processor, "clip"), 15.0f);
    EXPECT_EQ (getParameter (processor, "output"), 0.0f);
}

TEST (State, BlocksWithoutAReadableTextChangeNothing)
{
    VantrelAudioProcessor processor;
    setNonDefaults (processor);
    const auto before = saveState (processor);

    const auto valid = makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"input\" value=\"1.0\"/>"));
    const auto* validBytes = static_cast<const char*> (valid.getData());

    // Every block shorter than 9 bytes, including none at all.
    processor.setStateInformation (nullptr, 0);
    processor.setStateInformation (nullptr, 100);
    for (int size = 0; size < 9; ++size)
        processor.setStateInformation (validBytes, size);

    // A text cut in the middle of an element.
    auto cut = makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"input\" value=\"1.0\"/>"));
    cut.setSize (cut.getSize() - 30);
    restore (processor, cut);

    // A length field of 0, a negative one, one that cuts the text short.
    for (const auto length : {0, -1, -100000, 40})
    {
        auto block = valid;
        const auto littleEndian = juce::ByteOrder::swapIfBigEndian ((juce::uint32)length);
        block.copyFrom (&littleEndian, 4, 4);
        restore (processor, block);
    }

    // An empty text, text that is not XML, and a first text byte of 0.
    restore (processor, makeBlock (""));
    restore (processor, makeBlock ("not xml at all"));
    auto zeroFirst = valid;
    zeroFirst[8] = 0;
    restore (processor, zeroFirst);

    EXPECT_EQ (saveState (processor), before);
}

TEST (State, ALengthFieldBeyondTheDataUsesTheBytesPresent)
{
    VantrelAudioProcessor processor;
    auto block = makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"output\" value=\"-2.5\"/>"));
    const auto huge = juce::ByteOrder::swapIfBigEndian ((juce::uint32)0x7fffffff);
    block.copyFrom (&huge, 4, 4);
    block.setSize (block.getSize() - 1); // without the trailing zero as well

    restore (processor, block);
    EXPECT_EQ (getParameter (processor, "output"), -2.5f);
}

TEST (State, RestoringNotifiesTheSignalChain)
{
    auto processor = makeProcessor();
    prepare (*processor);

    // Restoring "input" at -20 dB must reach the gain the audio thread uses.
    restore (*processor, makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"input\" value=\"-20.0\"/>")));
    const auto output = processInBlocks (*processor, makeConstant (2, 48000, 0.5f));
    EXPECT_NEAR (output.getSample (0, 47999), 0.05f, 1e-6f);
}

TEST (State, ParametersTheBlockDoesNotNameKeepTheirValuesInIdentifierOrder)
{
    VantrelAudioProcessor processor;
    setParameter (processor, "clipCurve", 42.0f);
    setParameter (processor, "output", -6.0f);
    restore (processor, makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"clip\" value=\"2.0\"/>")));

    EXPECT_EQ (getParameter (processor, "clipCurve"), 42.0f);
    EXPECT_EQ (getParameter (processor, "output"), -6.0f);
    EXPECT_EQ (getParameter (processor, "clip"), 2.0f);
    EXPECT_EQ (textOf (saveState (processor)),
               paramsText ("VantrelParameters",
                           "<PARAM id=\"clip\" value=\"2.0\"/><PARAM id=\"clipBypass\" value=\"0.0\"/>"
                           "<PARAM id=\"clipCurve\" value=\"42.0\"/><PARAM id=\"input\" value=\"0.0\"/>"
                           "<PARAM id=\"output\" value=\"-6.0\"/><PARAM id=\"quality\" value=\"0.0\"/>"));

    // A child that names the parameter without a value still takes it to its default.
    restore (processor, makeBlock (paramsText ("VantrelParameters", "<PARAM id=\"clipCurve\"/>")));
    EXPECT_EQ (getParameter (processor, "clipCurve"), 80.0f);
    EXPECT_EQ (getParameter (processor, "output"), -6.0f);
}

TEST (State, TextsNestedDeeperThanAnyStateAreLeftUnread)
{
    // JUCE's reader recurses per level: a hundred thousand levels would overflow the stack.
    VantrelAudioProcessor processor;
    setParameter (processor, "input", -4.0f);
    const auto before = saveState (processor);

    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    for (int i = 0; i < 100000; ++i)
        deep += "</a>";
    restore (processor, makeBlock (paramsText ("VantrelParameters", deep + "<PARAM id=\"input\" value=\"1.0\"/>")));

    // Quoted "/>" and ">" inside attribute values do not hide the nesting.
    std::string disguised;
    for (int i = 0; i < 1000; ++i)
        disguised += "<a x=\"/>\" y='>'>";
    restore (processor, makeBlock (paramsText ("VantrelParameters", disguised)));

    // Nor does a quote that the reader takes for part of a comment inside a tag.
    std::string commented = "<a <!-- \" --> >";
    for (int i = 0; i < 100000; ++i)
        commented += "<b>";
    restore (processor, makeBlock (paramsText ("VantrelParameters", commented + "\"")));

    EXPECT_EQ (saveState (processor), before);

    // A few levels, empty elements, comments and CDATA are still read.
    restore (processor,
             makeBlock (paramsText ("VantrelParameters", "<!-- <a><a> --><x><y><![CDATA[<a><a>]]></y><z/></x>"
                                                         "<PARAM id=\"input\" value=\"1.5\"/>")));
    EXPECT_EQ (getParameter (processor, "input"), 1.5f);
}

TEST (State, InstructionsBeforeTheRootElementAreRead)
{
    // White space before the declaration, and a second instruction before the root, are
    // well-formed documents that JUCE reads; only instructions inside the root are refused.
    VantrelAudioProcessor processor;
    restore (processor, makeBlock (" " + paramsText ("VantrelParameters", "<PARAM id=\"input\" value=\"2.5\"/>")));
    EXPECT_EQ (getParameter (processor, "input"), 2.5f);

    restore (processor, makeBlock ("<?xml version=\"1.0\"?><?style sheet?><VantrelParameters>"
                                   "<PARAM id=\"input\" value=\"-2.5\"/></VantrelParameters>"));
    EXPECT_EQ (getParameter (processor, "input"), -2.5f);

    restore (processor, makeBlock (paramsText ("VantrelParameters", "<?p?>text<PARAM id=\"input\" value=\"7.0\"/>")));
    EXPECT_EQ (getParameter (processor, "input"), -2.5f);
}

TEST (State, ABlockTheProcessorSavedRestoresHoweverManyElementsItHolds)
{
    // Children that name no parameter stay in the tree and are written again: a block with many of
    // them, and the larger one saved after it (it gains the declaration), both restore.
    juce::String children;

    for (const auto* id : allIds)
        children << "<PARAM id=\"" << id << "\" value=\"" << (juce::String (id) == "input" ? "-4.5" : "0.0") << "\"/>";

    for (int i = 0; i < 56; ++i)
        children << "<PARAM id=\"other" << i << "\" value=\"" << i << "\"/>";

    VantrelAudioProcessor processor;
    restore (processor, makeBlock ("<VantrelParameters>" + children + "</VantrelParameters>"));
    EXPECT_EQ (getParameter (processor, "input"), -4.5f);

    const auto saved = saveState (processor);
    EXPECT_GT (textOf (saved).length() - textOf (saved).removeCharacters ("<").length(), 64);

    VantrelAudioProcessor other;
    setParameter (other, "input", 9.0f);
    restore (other, saved);
    EXPECT_EQ (getParameter (other, "input"), -4.5f);
    EXPECT_EQ (saveState (other), saved);

    // A foreign state of ten thousand elements.
    juce::String many;

    for (int i = 0; i < 10000; ++i)
        many << "<item n=\"" << i << "\"/>";

    restore (other, makeBlock (paramsText ("VantrelParameters", many + "<PARAM id=\"input\" value=\"2.5\"/>")));
    EXPECT_EQ (getParameter (other, "input"), 2.5f);
}
