#include "AAX_CChunkDataParser.h"
#include "ScopedHostServices.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using aaxtest::TestEffect;

namespace
{
constexpr AAX_CTypeID kElck = 0x656C636B;
constexpr AAX_CTypeID kJuce = 0x6A756365;

/** A host chunk with room for a given number of data bytes, and nothing more. */
struct ChunkBuffer
{
    explicit ChunkBuffer (size_t dataBytes)
        : storage (AAX_PLUGIN_CHUNK_HEADER_SIZE + dataBytes, 0xEE)
    {
        chunk()->fChunkID = kElck;
    }

    AAX_SPlugInChunk* chunk() { return reinterpret_cast<AAX_SPlugInChunk*> (storage.data()); }
    unsigned char* data() { return storage.data() + AAX_PLUGIN_CHUNK_HEADER_SIZE; }

    std::vector<unsigned char> dataBytes() { return std::vector<unsigned char> (data(), data() + chunk()->fSize); }

    void setData (const std::vector<unsigned char>& bytes)
    {
        storage.resize (AAX_PLUGIN_CHUNK_HEADER_SIZE + bytes.size());
        std::memcpy (data(), bytes.data(), bytes.size());
        chunk()->fSize = static_cast<int32_t> (bytes.size());
    }

    std::vector<unsigned char> storage;
};

struct Model : aaxtest::InitializedEffect
{
    using InitializedEffect::InitializedEffect;

    std::vector<unsigned char> save()
    {
        uint32_t size = 0;
        EXPECT_EQ (effect->GetChunkSize (kElck, &size), AAX_SUCCESS);
        ChunkBuffer buffer (size);
        EXPECT_EQ (effect->GetChunk (kElck, buffer.chunk()), AAX_SUCCESS);
        return buffer.dataBytes();
    }
};

void AppendRecord (std::vector<unsigned char>& bytes, const std::string& tagAndId,
                   const std::vector<unsigned char>& value)
{
    bytes.insert (bytes.end(), tagAndId.begin(), tagAndId.end());
    bytes.push_back (0);

    while (bytes.size() % 4 != 0)
        bytes.push_back (0);

    bytes.insert (bytes.end(), value.begin(), value.end());
}

std::vector<unsigned char> BigEndian (double value)
{
    uint64_t bits = 0;
    std::memcpy (&bits, &value, sizeof (bits));
    std::vector<unsigned char> bytes;

    for (int shift = 56; shift >= 0; shift -= 8)
        bytes.push_back (static_cast<unsigned char> (bits >> shift));

    return bytes;
}

const std::vector<unsigned char> kMarker{1, 1, 1, 1};
const std::vector<unsigned char> kHalf{0x3F, 0xE0, 0, 0, 0, 0, 0, 0};    // 0.5 as a big-endian double
const std::vector<unsigned char> kQuarter{0x3F, 0xD0, 0, 0, 0, 0, 0, 0}; // 0.25
}

TEST (ControlsChunk, RecordOfAFiveCharacterIdentifierByteForByte)
{
    Model model ({{"drive", 0.5f}, {"MasterBypassID", 1.0f}});

    uint32_t size = 0;
    ASSERT_EQ (model.effect->GetChunkSize (kElck, &size), AAX_SUCCESS);
    EXPECT_EQ (size, 20u); // marker + one 16-byte record; the bypass is left out

    ChunkBuffer buffer (size);
    ASSERT_EQ (model.effect->GetChunk (kElck, buffer.chunk()), AAX_SUCCESS);

    EXPECT_EQ (buffer.chunk()->fSize, 20);
    EXPECT_EQ (buffer.chunk()->fVersion, -1);

    std::vector<unsigned char> name (32, 0);
    std::memcpy (name.data(), "Complete Controls State", 23);
    EXPECT_EQ (std::vector<unsigned char> (buffer.chunk()->fName, buffer.chunk()->fName + 32), name);

    const std::vector<unsigned char> expected{1,   1, 1,    1,    'd', '_', 'd', 'r', 'i', 'v',
                                              'e', 0, 0x3F, 0xE0, 0,   0,   0,   0,   0,   0};
    EXPECT_EQ (buffer.dataBytes(), expected);
}

TEST (ControlsChunk, NoChunkedParametersGiveTheMarkerAlone)
{
    Model model ({{"MasterBypassID", 0.0f}});
    EXPECT_EQ (model.save(), kMarker);

    ChunkBuffer buffer (4);
    buffer.setData (kMarker);
    EXPECT_EQ (model.effect->SetChunk (kElck, buffer.chunk()), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("MasterBypassID"), 0.0);
}

TEST (ControlsChunk, PaddingFollowsTheIdentifierLength)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("a", 1.0);  // 2 + 1 + 1 = 4: no padding, 12 bytes
    parser.AddDouble ("ab", 1.0); // 2 + 2 + 1 = 5: padded to 8, 16 bytes
    parser.AddInt32 ("abc", 7);   // 8 + 4
    EXPECT_EQ (parser.GetChunkDataSize(), 4 + 12 + 16 + 12);

    AAX_CChunkDataParser empty;
    EXPECT_EQ (empty.GetChunkDataSize(), 4);
}

TEST (ControlsChunk, GetChunkNeedsAMatchingGetChunkSize)
{
    Model model ({{"drive", 0.5f}});
    ChunkBuffer buffer (64);

    EXPECT_EQ (model.effect->GetChunk (kElck, buffer.chunk()), AAX_ERROR_INCORRECT_CHUNK_SIZE);

    uint32_t size = 0;
    model.effect->GetChunkSize (kElck, &size);
    model.effect->Manager().AddParameter (aaxtest::MakeFloatParameter ("added"));
    EXPECT_EQ (model.effect->GetChunk (kElck, buffer.chunk()), AAX_ERROR_INCORRECT_CHUNK_SIZE);
}

TEST (ControlsChunk, OtherChunkIdsAreRefused)
{
    Model model ({{"drive", 0.5f}});
    ChunkBuffer buffer (64);

    uint32_t size = 99;
    EXPECT_EQ (model.effect->GetChunkSize (kJuce, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ (size, 0u);
    EXPECT_EQ (model.effect->GetChunk (kJuce, buffer.chunk()), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ (model.effect->SetChunk (kJuce, buffer.chunk()), AAX_ERROR_INVALID_CHUNK_ID);
}

TEST (ControlsChunk, OverflowIsTracedAndRefused)
{
    FakeHost::ServicesHost host (3);
    const FakeHost::ScopedHostServices services (host);

    AAX_CChunkDataParser parser;
    parser.AddDouble ("drive", 0.5);

    ChunkBuffer buffer (19);
    buffer.chunk()->fSize = 12345;
    EXPECT_EQ (parser.GetChunkData (buffer.chunk(), 19), -333);
    EXPECT_EQ (buffer.chunk()->fSize, 12345); // left as supplied

    const auto traces = host.log.Of ("Trace");
    ASSERT_EQ (traces.size(), 1u);
    EXPECT_EQ (traces[0].arguments,
               (std::vector<std::string>{
                   std::to_string (0x8000000),
                   "AAX_CChunkDataParser::GetChunkData ERROR: aborting: chunk data will overflow buffer"}));

    EXPECT_EQ (parser.GetChunkData (buffer.chunk(), 3), -333);
}

TEST (ControlsChunk, RestoresRecordsInAnyOrder)
{
    Model model ({{"one", 0.0f}, {"two", 0.0f}, {"three", 0.0f}});

    std::vector<unsigned char> bytes (kMarker);
    AppendRecord (bytes, "d_three", kQuarter);
    AppendRecord (bytes, "d_two", kHalf);
    AppendRecord (bytes, "d_one", kHalf);
    ChunkBuffer buffer (0);
    buffer.setData (bytes);

    ASSERT_EQ (model.effect->SetChunk (kElck, buffer.chunk()), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("one"), 0.5);
    EXPECT_DOUBLE_EQ (model.value ("two"), 0.5);
    EXPECT_DOUBLE_EQ (model.value ("three"), 0.25);

    // Saving gives the parameters' own order back.
    std::vector<unsigned char> saved (kMarker);
    AppendRecord (saved, "d_one", kHalf);
    AppendRecord (saved, "d_two", kHalf);
    AppendRecord (saved, "d_three", kQuarter);
    EXPECT_EQ (model.save(), saved);
}

TEST (ControlsChunk, FloatRecordsAreParsedButNotRestored)
{
    Model model ({{"drive", 0.25f}});

    std::vector<unsigned char> bytes (kMarker);
    AppendRecord (bytes, "f_drive", {0x3F, 0, 0, 0}); // 0.5f
    ChunkBuffer buffer (0);
    buffer.setData (bytes);

    EXPECT_EQ (model.effect->SetChunk (kElck, buffer.chunk()), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.25);

    AAX_CChunkDataParser parser;
    parser.LoadChunk (buffer.chunk());
    ASSERT_EQ (parser.GetRecords().size(), 1u);
    EXPECT_EQ (parser.GetRecords()[0].mKind, AAX_CChunkDataParser::kFloatKind);
    EXPECT_STREQ (parser.GetRecords()[0].mId.Get(), "drive");
}

TEST (ControlsChunk, StringAndShortRecordsAreRead)
{
    std::vector<unsigned char> bytes (kMarker);
    AppendRecord (bytes, "r_name", {'h', 'i', 0, 0});
    AppendRecord (bytes, "s_short", {0x01, 0x02, 0, 0});
    AppendRecord (bytes, "x_odd", {});
    AppendRecord (bytes, "l_count", {0xFF, 0xFF, 0xFF, 0xFE});
    ChunkBuffer buffer (0);
    buffer.setData (bytes);

    AAX_CChunkDataParser parser;
    parser.LoadChunk (buffer.chunk());
    ASSERT_EQ (parser.GetRecords().size(), 4u);
    EXPECT_EQ (parser.GetRecords()[1].mNumber, 0x0102u);
    EXPECT_EQ (parser.GetRecords()[2].mKind, AAX_CChunkDataParser::kUnknownKind);

    AAX_CString text;
    EXPECT_TRUE (parser.FindString ("name", &text));
    EXPECT_STREQ (text.Get(), "hi");

    int32_t count = 0;
    EXPECT_TRUE (parser.FindInt32 ("count", &count));
    EXPECT_EQ (count, -2);

    double notThere = 3.0;
    EXPECT_FALSE (parser.FindDouble ("count", &notThere)); // wrong kind
    EXPECT_FALSE (parser.FindDouble (nullptr, &notThere));
    EXPECT_EQ (notThere, 3.0);
}

TEST (ControlsChunk, HostileChunksNeverReadPastTheirData)
{
    Model model ({{"drive", 0.25f}});

    const auto load = [&model] (std::vector<unsigned char> bytes, int32_t sizeField)
    {
        ChunkBuffer buffer (0);
        buffer.setData (bytes);
        buffer.chunk()->fSize = sizeField;
        EXPECT_EQ (model.effect->SetChunk (kElck, buffer.chunk()), AAX_SUCCESS);

        AAX_CBoolean equal = 7;
        EXPECT_EQ (model.effect->CompareActiveChunk (buffer.chunk(), &equal), AAX_SUCCESS);
        EXPECT_EQ (equal, 0);
    };

    // Value cut off by the end of the data.
    std::vector<unsigned char> truncated (kMarker);
    AppendRecord (truncated, "d_drive", kHalf);
    truncated.resize (truncated.size() - 3);
    load (truncated, static_cast<int32_t> (truncated.size()));

    // Identifier without its NUL at the end of the data.
    std::vector<unsigned char> noNul (kMarker);
    noNul.insert (noNul.end(), {'d', '_', 'd', 'r'});
    load (noNul, static_cast<int32_t> (noNul.size()));

    // An identifier text longer than 255 bytes.
    std::vector<unsigned char> longText (kMarker);
    AppendRecord (longText, "d_" + std::string (300, 'x'), kHalf);
    load (longText, static_cast<int32_t> (longText.size()));

    // A string value without its NUL.
    std::vector<unsigned char> openString (kMarker);
    AppendRecord (openString, "r_drive", {'a', 'b', 'c', 'd'});
    load (openString, static_cast<int32_t> (openString.size()));

    // A size field that hides the record, a negative one and one without the marker.
    std::vector<unsigned char> hidden (kMarker);
    AppendRecord (hidden, "d_drive", kHalf);
    load (hidden, 4);
    load (hidden, -100);
    load (hidden, 10);

    hidden[0] = 2;
    load (hidden, static_cast<int32_t> (hidden.size()));

    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.25);
}

TEST (ControlsChunk, CompareActiveChunk)
{
    Model model ({{"drive", 0.5f}, {"MasterBypassID", 0.0f}});

    ChunkBuffer buffer (0);
    buffer.setData (model.save());
    buffer.chunk()->fChunkID = kElck;

    AAX_CBoolean equal = 0;
    EXPECT_EQ (model.effect->CompareActiveChunk (buffer.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);

    model.effect->UpdateParameterNormalizedValue ("drive", 0.75, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (model.effect->CompareActiveChunk (buffer.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 0);

    buffer.chunk()->fChunkID = kJuce;
    EXPECT_EQ (model.effect->CompareActiveChunk (buffer.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);
}

TEST (ControlsChunk, CircularSearchWrapsAround)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("a", 1.0);
    parser.AddDouble ("b", 2.0);
    parser.AddDouble ("c", 3.0);

    EXPECT_EQ (parser.FindName (AAX_CString ("b")), 1);
    EXPECT_EQ (parser.FindName (AAX_CString ("c")), 2);
    EXPECT_EQ (parser.FindName (AAX_CString ("a")), 0);
    EXPECT_EQ (parser.FindName (AAX_CString ("a")), 0);
    EXPECT_EQ (parser.FindName (AAX_CString ("z")), -1);
    EXPECT_EQ (parser.FindName (AAX_CString ("b")), 1);
}

// A corrupt preset's records that are not numbers are skipped: the parameters they name keep their
// values and nothing is asked of the host for them, while the other records are restored. A finite
// value beyond what a float holds is limited to the range like any other.
TEST (ControlsChunk, RecordsThatAreNotNumbersAreSkipped)
{
    Model model ({{"a", 0.25f}, {"b", 0.25f}, {"c", 0.25f}, {"d", 0.25f}, {"e", 0.25f}});

    std::vector<unsigned char> bytes (kMarker);
    AppendRecord (bytes, "d_a", BigEndian (std::numeric_limits<double>::quiet_NaN()));
    AppendRecord (bytes, "d_b", BigEndian (std::numeric_limits<double>::infinity()));
    AppendRecord (bytes, "d_c", BigEndian (-std::numeric_limits<double>::infinity()));
    AppendRecord (bytes, "d_d", BigEndian (1.0e300));
    AppendRecord (bytes, "d_e", kHalf);
    ChunkBuffer buffer (0);
    buffer.setData (bytes);

    model.context.log.Clear();
    EXPECT_EQ (model.effect->SetChunk (kElck, buffer.chunk()), AAX_SUCCESS);

    for (const auto* id : {"a", "b", "c"})
        EXPECT_DOUBLE_EQ (model.value (id), 0.25) << id;

    EXPECT_DOUBLE_EQ (model.value ("d"), 1.0);
    EXPECT_DOUBLE_EQ (model.value ("e"), 0.5);

    for (const auto& call : model.context.log.Summary ("automation"))
        EXPECT_TRUE (call.back() == 'd' || call.back() == 'e') << call;

    // The chunk differs from the model's state, which holds numbers.
    AAX_CBoolean equal = 1;
    EXPECT_EQ (model.effect->CompareActiveChunk (buffer.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 0);
}

// Values a host automated anywhere between the steps come back exactly from the chunk the model
// saved and compare equal to it, also after the values have been reported to the model again: the
// library keeps every bit of the float it holds.
TEST (ControlsChunk, ValuesBetweenStepsRestoreAndCompareExactly)
{
    const std::pair<const char*, double> automated[]{
        {"a", 0.123456789}, {"b", 1.0 / 3.0}, {"c", 0.00175}, {"d", 0.9999999}, {"e", 1.0e-9}};

    Model model ({{"a", 0.0f}, {"b", 0.0f}, {"c", 0.0f}, {"d", 0.0f}, {"e", 0.0f}});

    for (const auto& [id, value] : automated)
        model.effect->UpdateParameterNormalizedValue (id, value, AAX_eUpdateSource_Unspecified);

    ChunkBuffer saved (0);
    saved.setData (model.save());

    for (const auto& [id, value] : automated)
        model.effect->UpdateParameterNormalizedValue (id, 0.5, AAX_eUpdateSource_Unspecified);

    ASSERT_EQ (model.effect->SetChunk (kElck, saved.chunk()), AAX_SUCCESS);

    AAX_CBoolean equal = 0;
    EXPECT_EQ (model.effect->CompareActiveChunk (saved.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);

    // Each value, read and set again as JUCE's client does after restoring its own chunk.
    for (const auto& [id, value] : automated)
    {
        EXPECT_EQ (model.value (id), static_cast<double> (static_cast<float> (value))) << id;
        model.effect->Manager().GetParameterByID (id)->SetValueWithFloat (static_cast<float> (model.value (id)));
    }

    EXPECT_EQ (model.effect->CompareActiveChunk (saved.chunk(), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);
}
