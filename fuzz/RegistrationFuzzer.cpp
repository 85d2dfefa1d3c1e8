// The bundle's entry functions and an instance's set-up, driven by a host whose every answer comes
// from the fuzz input (see FuzzHost.h): ACFStartup, ACFRegisterPlugin, then, when registration
// succeeded, the data model from the registered factory: Initialize with an instance context,
// a round of parameter, packet and chunk calls, Uninitialize and the last Release; finally
// ACFShutdown. Whatever the host answers, the plug-in must return a result code instead of
// crashing, must give back every host reference it took, and must leave no object of its own
// alive (ACFCanUnloadNow answers 0).

#include "FuzzHost.h"

#include "AAX_CEffectParameters.h"
#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_UIDs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

extern "C"
{
    ACFRESULT ACFStartup (IACFUnknown* hostUnknown);
    ACFRESULT ACFRegisterPlugin (IACFUnknown* hostUnknown, IACFUnknown** outDefinition);
    ACFRESULT ACFShutdown (IACFUnknown*);
    ACFRESULT ACFCanUnloadNow (IACFUnknown*);
}

namespace
{
[[noreturn]] void fail (const char* what, long value)
{
    std::fprintf (stderr, "RegistrationFuzzer: %s (%ld)\n", what, value);
    std::abort();
}

bool isResultCode (ACFRESULT result)
{
    return result == 0 || (result <= -20001 && result >= -20046) || result == (ACFRESULT)ACF_E_UNEXPECTED;
}

// The host's round of calls on a live data model. Values and chunks come from the plug-in itself
// (normalized values from the input), as a host that saves, automates and restores would use them.
void exerciseDataModel (AAX_IACFEffectParameters& model, fuzzhost::Answers& answers)
{
    int32_t numParameters = 0;
    model.GetNumberOfParameters (&numParameters);

    for (int32_t index = 0; index < numParameters && index < 64; ++index)
    {
        AAX_CString id;

        if (model.GetParameterIDFromIndex (index, &id) != AAX_SUCCESS)
            continue;

        const auto value = (double)(answers.number() % 1001) / 1000.0;
        model.SetParameterNormalizedValue (id.Get(), value);
        model.UpdateParameterNormalizedValue (id.Get(), value, (AAX_EUpdateSource)0);

        double readBack = -1.0;
        model.GetParameterNormalizedValue (id.Get(), &readBack);

        AAX_CString text;
        model.GetParameterValueString (id.Get(), &text, 32);
        model.GetParameterStringFromValue (id.Get(), value, &text, 32);
    }

    model.GenerateCoefficients();

    int32_t numChunks = 0;
    model.GetNumberOfChunks (&numChunks);

    for (int32_t index = 0; index < numChunks && index < 8; ++index)
    {
        AAX_CTypeID chunkID = 0;

        if (model.GetChunkIDFromIndex (index, &chunkID) != AAX_SUCCESS)
            continue;

        uint32_t size = 0;

        if (model.GetChunkSize (chunkID, &size) != AAX_SUCCESS || size > (1u << 20))
            continue;

        std::vector<char> record (AAX_PLUGIN_CHUNK_HEADER_SIZE + size + 1, 0);
        auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
        chunk->fChunkID = chunkID;
        chunk->fSize = (int32_t)size;

        if (model.GetChunk (chunkID, chunk) != AAX_SUCCESS)
            continue;

        AAX_CBoolean equal = 0;
        model.CompareActiveChunk (chunk, &equal);
        model.SetChunk (chunkID, chunk);
    }

    model.GenerateCoefficients();
}

void runInstance (fuzzhost::Host& host)
{
    const auto found = host.registration.procedures.find (0); // the data model's factory

    if (found == host.registration.procedures.end() || found->second == nullptr)
        return;

    // The procedure's own type: UndefinedBehaviorSanitizer checks calls through function pointers.
    using CreateDataModel = AAX_CEffectParameters* (*)();
    auto* object = reinterpret_cast<CreateDataModel> (found->second)();

    if (object == nullptr)
        return;

    // The factory's object comes without a reference; the host's first is the one it queries.
    AAX_IACFEffectParameters* model = nullptr;

    if (object->QueryInterface (IID_IAAXEffectParametersV1, reinterpret_cast<void**> (&model)) != ACF_OK ||
        model == nullptr)
        fail ("the data model does not offer its own interface", 0);

    auto* context = fuzzhost::createInstanceContext (host);

    if (model->Initialize (context) == AAX_SUCCESS)
        exerciseDataModel (*model, host.answers);

    model->Uninitialize();
    model->Release();
    context->Release();
}
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    fuzzhost::Answers answers (data, size);
    auto host = std::make_unique<fuzzhost::Host> (answers);

    auto* hostUnknown = fuzzhost::createHostUnknown (*host);

    const auto startup = ACFStartup (hostUnknown);

    if (startup != 0 && startup != (ACFRESULT)ACF_E_UNEXPECTED)
        fail ("ACFStartup returned an unexpected result", startup);

    IACFUnknown* definition = nullptr;
    const auto registration = ACFRegisterPlugin (hostUnknown, &definition);

    if (!isResultCode (registration))
        fail ("ACFRegisterPlugin returned something that is not a result code", registration);

    if (registration == 0 && definition != nullptr)
        definition->Release();

    if (registration == 0)
        runInstance (*host);

    ACFShutdown (nullptr);
    hostUnknown->Release();
    host.reset();

    if (const auto alive = fuzzhost::Host::liveObjects.load(); alive != 0)
    {
        fuzzhost::printLiveObjects();
        fail ("the plug-in kept references to host objects", alive);
    }

    if (const auto alive = ACFCanUnloadNow (nullptr); alive != 0)
        fail ("objects of the plug-in are still alive after shutdown", alive);

    return 0;
}
