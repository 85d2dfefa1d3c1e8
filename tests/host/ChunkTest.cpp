// Saving and restoring an instance through the two chunks the host stores.

#include "HostTestHelpers.h"

#include "PluginProcessor.h"

#include <AAX_Errors.h>
#include <AAX_IACFEffectParameters.h>

#include <gtest/gtest.h>

#include <cstring>

using namespace aaxhost;
using namespace hosttest;

namespace
{
constexpr uint32_t controlsChunkID = 0x656C636B; // 'elck'
constexpr uint32_t juceChunkID = 0x6A756365;     // 'juce'

struct ControlRecord
{
    std::string tag, id;
    double value = 0.0;
};

uint32_t readBigEndian32 (const std::vector<char>& data, size_t offset)
{
    uint32_t value = 0;

    for (size_t i = 0; i < 4; ++i)
        value = (value << 8) | (uint8_t)data.at (offset + i);

    return value;
}

/** Reads the 'elck' data: the marker, then tagged records of doubles, each aligned to four bytes. */
std::vector<ControlRecord> parseControlsChunk (const std::vector<char>& data)
{
    EXPECT_EQ (readBigEndian32 (data, 0), 0x01010101u);
    std::vector<ControlRecord> records;
    size_t position = 4;

    while (position < data.size())
    {
        ControlRecord record;
        const std::string text (data.data() + position);
        record.tag = text.substr (0, 2);
        record.id = text.substr (2);
        position = (position + text.size() + 1 + 3) / 4 * 4;

        const uint64_t bits = ((uint64_t)readBigEndian32 (data, position) << 32) | readBigEndian32 (data, position + 4);
        std::memcpy (&record.value, &bits, sizeof (double));
        position += 8;
        records.push_back (record);
    }

    return records;
}

const PluginChunk& chunkWithID (const std::vector<PluginChunk>& chunks, uint32_t id)
{
    for (auto& chunk : chunks)
        if (chunk.id == id)
            return chunk;

    throw std::runtime_error ("chunk missing");
}

std::vector<double> valuesOf (const PluginInstance& instance)
{
    std::vector<double> values;

    for (int i = 0; i < instance.getNumParameters(); ++i)
        values.push_back (instance.getNormalizedValue (instance.getParameterID (i)));

    return values;
}

void changeEveryParameter (PluginInstance& instance)
{
    instance.setNormalizedValue ("quality", 1.0);
    instance.setNormalizedValue ("input", 0.75);
    instance.setNormalizedValue ("output", 0.3);
    instance.setNormalizedValue ("clip", 0.4);
    instance.setNormalizedValue ("clipCurve", 0.25);
    instance.setNormalizedValue ("clipBypass", 1.0);
}
}

TEST (Chunks, TheControlsChunkComesFirstThenTheFrameworksChunk)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);

    const auto chunks = instance->getChunks();
    ASSERT_EQ (chunks.size(), 2u);
    EXPECT_EQ (chunks[0].id, controlsChunkID);
    EXPECT_EQ (chunks[1].id, juceChunkID);
}

TEST (Chunks, TheControlsChunkHoldsSixDoubleRecordsWithoutTheMasterBypass)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    const auto chunk = instance->getChunk (controlsChunkID);

    EXPECT_EQ (chunk.version, -1);
    EXPECT_EQ (chunk.name, "Complete Controls State");
    EXPECT_EQ (chunk.data.size(), 120u); // marker + 20 + 16 + 20 + 16 + 20 + 24

    const auto records = parseControlsChunk (chunk.data);
    const std::vector<std::pair<std::string, double>> expected{
        {"quality", 0.0},   {"input", 0.5}, {"output", 0.5}, {"clip", 0.0}, {"clipCurve", (double)0.8f},
        {"clipBypass", 0.0}};

    ASSERT_EQ (records.size(), expected.size());

    for (size_t i = 0; i < records.size(); ++i)
    {
        EXPECT_EQ (records[i].tag, "d_");
        EXPECT_EQ (records[i].id, expected[i].first);
        EXPECT_EQ (records[i].value, expected[i].second) << records[i].id;
    }
}

TEST (Chunks, TheFrameworkChunkIsTheEnginesStateBlock)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    const auto chunk = instance->getChunk (juceChunkID);

    VantrelAudioProcessor engine;
    juce::MemoryBlock state;
    engine.getStateInformation (state);

    ASSERT_EQ (state.getSize(), 285u);
    ASSERT_EQ (chunk.data.size(), 285u);
    EXPECT_EQ (std::memcmp (chunk.data.data(), state.getData(), state.getSize()), 0);

    const std::vector<uint8_t> header (chunk.data.begin(), chunk.data.begin() + 8);
    EXPECT_EQ (header, (std::vector<uint8_t>{0x56, 0x43, 0x32, 0x21, 0x14, 0x01, 0x00, 0x00}));
}

TEST (Chunks, FetchingWithoutAskingTheSizeFirstIsRefused)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    auto* parameters = instance->getEffectParameters();

    std::vector<char> record (AAX_PLUGIN_CHUNK_HEADER_SIZE + 512, 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
    chunk->fSize = 512;

    EXPECT_EQ (parameters->GetChunk (juceChunkID, chunk), 20700);
    EXPECT_EQ (parameters->GetChunk (controlsChunkID, chunk), AAX_ERROR_INCORRECT_CHUNK_SIZE);

    uint32_t size = 1;
    EXPECT_EQ (parameters->GetChunkSize (0x41424344, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ (size, 0u);

    AAX_CTypeID id = 1;
    EXPECT_EQ (parameters->GetChunkIDFromIndex (2, &id), AAX_ERROR_INVALID_CHUNK_INDEX);
}

TEST (Chunks, BothChunksRestoreIntoAFreshInstance)
{
    const auto host = makeRegisteredHost();
    const auto source = makeInstance (*host);
    changeEveryParameter (*source);

    const auto saved = source->getChunks();
    const auto savedValues = valuesOf (*source);
    ASSERT_NE (savedValues, valuesOf (*makeInstance (*host)));

    for (const auto id : {juceChunkID, controlsChunkID})
    {
        SCOPED_TRACE (fourCharCode (id));
        const auto target = makeInstance (*host);

        EXPECT_FALSE (target->isChunkEqual (chunkWithID (saved, controlsChunkID)));
        EXPECT_EQ (target->setChunk (chunkWithID (saved, id)), AAX_SUCCESS);
        EXPECT_EQ (valuesOf (*target), savedValues);
        EXPECT_TRUE (target->isChunkEqual (chunkWithID (saved, controlsChunkID)));

        // Saving again gives back what was restored.
        EXPECT_EQ (target->getChunk (id).data, chunkWithID (saved, id).data);
    }
}

TEST (Chunks, RestoringUsesTheAutomationRoad)
{
    const auto host = makeRegisteredHost();
    const auto source = makeInstance (*host);
    source->setNormalizedValue ("input", 0.75);
    const auto controls = source->getChunk (controlsChunkID);

    const auto target = makeInstance (*host);
    target->clearAutomationEvents();
    target->setChunk (controls);

    bool sawSetRequest = false;

    for (auto& event : target->getAutomationEvents())
        if (event.parameterID == "input" && event.kind == AutomationEvent::Kind::setValueRequest)
            sawSetRequest = std::abs (event.value - 0.75) < 1.0e-6;

    EXPECT_TRUE (sawSetRequest);
}

TEST (Chunks, HostileChunksChangeNothing)
{
    const auto host = makeRegisteredHost();
    const auto instance = makeInstance (*host);
    const auto before = valuesOf (*instance);

    PluginChunk garbage;
    garbage.id = juceChunkID;
    garbage.data = {'V', 'C', '2', '!', 0x7F, 0x7F, 0x7F, 0x7F, '<', 'x'};
    EXPECT_EQ (instance->setChunk (garbage), AAX_SUCCESS);

    garbage.id = controlsChunkID;
    garbage.data = {1, 1, 1, 1, 'd', '_', 'i', 'n', 'p', 'u', 't'}; // record without NUL or value
    EXPECT_EQ (instance->setChunk (garbage), AAX_SUCCESS);

    garbage.data.clear();
    EXPECT_EQ (instance->setChunk (garbage), AAX_SUCCESS);

    EXPECT_EQ (valuesOf (*instance), before);
}
