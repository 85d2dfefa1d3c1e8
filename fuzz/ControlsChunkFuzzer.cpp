// Hands arbitrary controls chunks ('elck') to a data model that holds parameters the way JUCE's
// client makes them (float parameters over 0..1, plus the master bypass), through CompareActiveChunk,
// SetChunk and the parser's LoadChunk, then demands that
//  - the parser's records stay inside what it was given (identifiers shorter than 256 bytes),
//  - every parameter keeps a normalized value inside 0..1 (so never a NaN),
//  - the chunk the model then writes is well-formed, compares equal to the model's own state and
//    brings a fresh model to exactly the same values.
// Every input runs twice: in a host without an automation delegate, where the data model applies
// what it restores at once, and in one whose delegate answers each set-value request at once with
// UpdateParameterNormalizedValue, as a host does.
//
// Input: byte 0 picks the chunk id (mostly 'elck') and whether the size field is cut short; the
// rest is the chunk's data, which is where the host's chunk record keeps it.

#include "AAX_CChunkDataParser.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "FakeHost.h"
#include "FuzzCheck.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
constexpr AAX_CTypeID controlsChunkID = 0x656C636B; // 'elck'

using fuzzcheck::check;
using fuzzcheck::fail;

// A host context that offers an automation delegate, which confirms every set-value request at once,
// and nothing else.
struct AutomatingHost : FakeHost::InstanceContext
{
    AutomatingHost()
    {
        log.recording = false;
        context.Withdraw (IID_IAAXControllerV1);
    }
};

// The parameters of the plug-in as JUCE's client registers them, plus the master bypass; initialised
// with the given host context, or with none.
class DataModel : public AAX_CEffectParameters
{
public:
    explicit DataModel (AutomatingHost* host)
    {
        if (host != nullptr)
            host->automation.confirmTo = this;

        check (Initialize (host != nullptr ? host->context.AsUnknown() : nullptr) == AAX_SUCCESS, "Initialize failed");
    }

    ~DataModel() override { Uninitialize(); }

    AAX_Result EffectInit() override
    {
        const AAX_CLinearTaperDelegate<float, 0> taper;
        const AAX_CNumberDisplayDelegate<float, 3u, 0u> display;

        const struct
        {
            const char* id;
            const char* name;
            float defaultValue;
        } parameters[] = {{"quality", "Quality", 0.0f},
                          {"input", "Input", 0.5f},
                          {"output", "Output", 0.5f},
                          {"clip", "Clip", 0.0f},
                          {"clipCurve", "Clip Curve", 0.8f},
                          {"clipBypass", "Clip Bypass", 0.0f},
                          {cDefaultMasterBypassID, "Master Bypass", 0.0f}};

        for (const auto& p : parameters)
            mParameterManager.AddParameter (
                new AAX_CParameter<float> (p.id, AAX_CString (p.name), p.defaultValue, taper, display, true));

        return AAX_SUCCESS;
    }

    std::vector<double> normalizedValues() const
    {
        std::vector<double> values;

        for (int32_t i = 0; i < mParameterManager.NumParameters(); ++i)
            values.push_back (mParameterManager.GetParameter (i)->GetNormalizedValue());

        return values;
    }

    // What a host does to save the chunk: ask its size, make room, fetch it.
    std::vector<char> saveChunk()
    {
        uint32_t size = 0;
        check (GetChunkSize (controlsChunkID, &size) == AAX_SUCCESS, "GetChunkSize failed");
        check (size >= 4 && size < (1u << 20), "implausible chunk size");

        std::vector<char> record (AAX_PLUGIN_CHUNK_HEADER_SIZE + size, '\x55');
        auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
        chunk->fChunkID = controlsChunkID;
        check (GetChunk (controlsChunkID, chunk) == AAX_SUCCESS, "GetChunk failed right after GetChunkSize");
        check (chunk->fSize == (int32_t)size, "GetChunk wrote another size than GetChunkSize reported");
        check (std::memcmp (chunk->fData, "\x01\x01\x01\x01", 4) == 0, "saved chunk without its marker");
        check (std::strncmp (reinterpret_cast<const char*> (chunk->fName), "Complete Controls State", 32) == 0,
               "saved chunk without its name");
        return record;
    }
};

void checkValuesInRange (const DataModel& model)
{
    for (const auto value : model.normalizedValues())
        check (value >= 0.0 && value <= 1.0, "a parameter left 0..1 (or is not a number)");
}

void checkParserRecords (const AAX_CChunkDataParser& parser, int32_t dataSize)
{
    for (const auto& record : parser.GetRecords())
    {
        check (record.mKind >= 0 && record.mKind <= 5, "record of an unknown kind");
        check (std::strlen (record.mId.Get()) < 256, "record identifier longer than the parser reads");
        check ((int32_t)std::strlen (record.mId.Get()) < dataSize, "record identifier longer than the chunk");
    }
}

// Restores the chunk into a model in the given host (none: a host without an automation delegate),
// saves the model's own chunk and restores that into a fresh model in the same kind of host.
void checkModel (const AAX_SPlugInChunk* chunk, AutomatingHost* host)
{
    DataModel model (host);
    AAX_CBoolean equal = 2;
    check (model.CompareActiveChunk (chunk, &equal) == AAX_SUCCESS, "CompareActiveChunk failed");
    check (equal == 0 || equal == 1, "CompareActiveChunk answered neither equal nor different");

    const auto setResult = model.SetChunk (chunk->fChunkID, chunk);
    check (setResult == (chunk->fChunkID == controlsChunkID ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_ID),
           "SetChunk answered an unexpected result");
    checkValuesInRange (model);

    auto saved = model.saveChunk();
    auto* savedChunk = reinterpret_cast<AAX_SPlugInChunk*> (saved.data());

    check (model.CompareActiveChunk (savedChunk, &equal) == AAX_SUCCESS && equal == 1,
           "the model's own chunk does not compare equal to it");

    AutomatingHost freshHost;
    DataModel fresh (host != nullptr ? &freshHost : nullptr);
    check (fresh.SetChunk (controlsChunkID, savedChunk) == AAX_SUCCESS, "restoring a saved chunk failed");

    if (fresh.normalizedValues() != model.normalizedValues())
    {
        // The master bypass is not in the chunk: both must be at its default anyway, since no chunk
        // restores it.
        fail ("a saved chunk did not restore the values it was saved from");
    }
}
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size < 1 || size > (1u << 16))
        return 0;

    const auto mode = data[0];
    ++data;
    --size;

    // The host's record: header, then exactly the data it holds. A short size field is a host that
    // hands over less than it has; a longer one would be a host lying about its own buffer.
    std::vector<char> record (AAX_PLUGIN_CHUNK_HEADER_SIZE + size + 1, 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
    chunk->fVersion = -1;
    chunk->fChunkID = (mode & 0x0F) == 0x0F ? 0x6A756365 /* 'juce' */ : controlsChunkID;
    chunk->fSize = (int32_t)size;

    if ((mode & 0x30) == 0x30 && size > 0)
        chunk->fSize = (int32_t)(size - 1 - (mode >> 6) % size);

    if (size > 0)
        std::memcpy (chunk->fData, data, size);

    // Only the bytes the host gave: a read past them shows up under AddressSanitizer.
    std::vector<char> exact (record.begin(), record.begin() + AAX_PLUGIN_CHUNK_HEADER_SIZE + (long)size);
    chunk = reinterpret_cast<AAX_SPlugInChunk*> (exact.data());

    {
        AAX_CChunkDataParser parser;
        parser.LoadChunk (chunk);
        checkParserRecords (parser, chunk->fSize);

        // Every lookup, in and out of order, must stay inside the records.
        for (const auto& r : parser.GetRecords())
        {
            double d = 0.0;
            int32_t i = 0;
            AAX_CString s;
            parser.FindDouble (r.mId.Get(), &d);
            parser.FindInt32 (r.mId.Get(), &i);
            parser.FindString (r.mId.Get(), &s);
        }

        double unused = 0.0;
        parser.FindDouble (nullptr, &unused);
    }

    for (const auto withAutomation : {false, true})
    {
        AutomatingHost host;
        checkModel (chunk, withAutomation ? &host : nullptr);
    }

    return 0;
}
