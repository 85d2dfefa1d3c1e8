// The bundle's entry functions and an instance's set-up, driven by a host whose every answer comes
// from the fuzz input: ACFStartup, ACFRegisterPlugin, then, when registration succeeded, the data
// model from the registered factory: Initialize with an instance context, a round of parameter,
// packet and chunk calls, Uninitialize and the last Release; finally ACFShutdown. Whatever the host
// answers, the plug-in must return a result code instead of crashing, must give back every host
// reference it took and use no host object after giving it back, and must leave no object of its own
// alive (ACFCanUnloadNow answers 0).
//
// Each query, each factory call and each operation the plug-in makes on a host object takes the next
// byte of the input and, by it, succeeds, fails, succeeds with a null pointer, or answers nonsense (odd
// result codes and odd output values). When the input runs out the host behaves well, so an empty input
// is a complete, normal run.

#include "FakeHost.h"
#include "FuzzCheck.h"

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
using fuzzcheck::fail;

using namespace FakeHost;

/** The fuzz input, read front to back: one answer of the host after another. */
class FuzzAnswers final : public AnswerPolicy
{
public:
    FuzzAnswers (const uint8_t* data, size_t size)
        : next (data)
        , end (data + size)
    {
    }

    Reply NextReply() override
    {
        // Mostly success, so that the run gets deep into the plug-in; every other answer is common enough
        // to show up at every call site.
        switch (byte() % 8)
        {
            case 5:
                return Reply::fail;
            case 6:
                return Reply::succeedWithNull;
            case 7:
                return Reply::nonsense;
            default:
                return Reply::asSetUp;
        }
    }

    uint32_t NextNumber() override
    {
        uint32_t value = 0;

        for (int i = 0; i < 4; ++i)
            value = (value << 8) | byte();

        return value;
    }

private:
    uint8_t byte() { return next == end ? 0 : *next++; }

    const uint8_t* next;
    const uint8_t* end;
};

/** The host of one run: the description-time host (factory, description host with the stem-format
    feature, definition) and the context of one instance (controller, transport, automation delegate,
    factory), every object answering from the input.
*/
struct FuzzHost : DescriptionHostContext
{
    explicit FuzzHost (FuzzAnswers& answers)
    {
        log.policy = &answers;
        log.recording = false;

        factory.Register (AAXCompID_HostServices, [this] (int serial)
                          { return std::make_unique<HostServices> (log, "services" + std::to_string (serial)); });
        factory.Register (AAXCompID_AAXPropertyMap,
                          [this] (int serial)
                          {
                              auto map = std::make_unique<PropertyMap> (log, "map" + std::to_string (serial));
                              map->unlisted = AAX_eSupportLevel_Supported;
                              return map;
                          });

        OfferDescriptionHost();
        descriptionHost.featureInfo = featureInfo.AsUnknown();
        featureInfo.properties = featureProperties.AsUnknown();
        featureProperties.unlisted = AAX_eSupportLevel_Supported;

        for (const auto& id : {IID_IACFDefinition, IID_IACFPluginDefinition})
            definition.Offer (id, definition.AsUnknown());

        context.Offer (IID_IACFDefinition, definition.AsUnknown(), &definition);

        // Every answer of the instance's context, success with a null pointer included: the wrappers of a
        // running instance treat that as an interface the host does not offer.
        for (const auto& id : {IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3})
            instanceContext.Offer (id, controller.AsUnknown(), &controller);

        for (const auto& id : {IID_IAAXTransportV1, IID_IAAXTransportV2, IID_IAAXTransportV3})
            instanceContext.Offer (id, transport.AsUnknown(), &transport);

        instanceContext.Offer (IID_IAAXAutomationDelegateV1, automation.AsUnknown(), &automation);
        instanceContext.Offer (IID_IACFComponentFactory, factory.AsUnknown(), &factory);

        // The stem formats of the instance: stereo, mono, an unknown one and 5.1.
        const AAX_EStemFormat formats[] = {(AAX_EStemFormat)0x10002, (AAX_EStemFormat)0x1, (AAX_EStemFormat)0xFF9C0000,
                                           (AAX_EStemFormat)0x70006};
        controller.inputStemFormat = formats[answers.NextNumber() % 4];
        controller.outputStemFormat = formats[answers.NextNumber() % 4];
    }

    /** The data model's factory, procedure 0 of the last effect that registered one. */
    void* dataModelFactory() const
    {
        void* found = nullptr;

        for (const auto* effect : factory.AllMade<EffectDescriptor>())
            if (const auto procedure = effect->procedures.find (0); procedure != effect->procedures.end())
                found = procedure->second;

        return found;
    }

    Unknown definition{log, "definition"};
    FeatureInfo featureInfo{log, "featureInfo"};
    PropertyMap featureProperties{log, "featureProperties"};

    Unknown instanceContext{log, "instanceContext"};
    Controller controller{log, "controller"};
    Transport transport{log, "transport"};
    AutomationDelegate automation{log, "automation"};
};

void check (const std::vector<std::string>& problems, const char* what)
{
    if (problems.empty())
        return;

    for (const auto& problem : problems)
        std::fprintf (stderr, "  %s\n", problem.c_str());

    fail (what, (long)problems.size());
}

bool isResultCode (ACFRESULT result)
{
    return result == 0 || (result <= -20001 && result >= -20046) || result == (ACFRESULT)ACF_E_UNEXPECTED;
}

// The host's round of calls on a live data model. Values and chunks come from the plug-in itself
// (normalized values from the input), as a host that saves, automates and restores would use them.
void exerciseDataModel (AAX_IACFEffectParameters& model, FuzzAnswers& answers)
{
    int32_t numParameters = 0;
    model.GetNumberOfParameters (&numParameters);

    for (int32_t index = 0; index < numParameters && index < 64; ++index)
    {
        AAX_CString id;

        if (model.GetParameterIDFromIndex (index, &id) != AAX_SUCCESS)
            continue;

        const auto value = (double)(answers.NextNumber() % 1001) / 1000.0;
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

void runInstance (FuzzHost& host, FuzzAnswers& answers)
{
    auto* const factory = host.dataModelFactory();

    if (factory == nullptr)
        return;

    // The procedure's own type: UndefinedBehaviorSanitizer checks calls through function pointers.
    using CreateDataModel = AAX_CEffectParameters* (*)();
    auto* object = reinterpret_cast<CreateDataModel> (factory)();

    if (object == nullptr)
        return;

    // The factory's object comes without a reference; the host's first is the one it queries.
    AAX_IACFEffectParameters* model = nullptr;

    if (object->QueryInterface (IID_IAAXEffectParametersV1, reinterpret_cast<void**> (&model)) != ACF_OK ||
        model == nullptr)
        fail ("the data model does not offer its own interface", 0);

    if (model->Initialize (host.instanceContext.AsUnknown()) == AAX_SUCCESS)
        exerciseDataModel (*model, answers);

    model->Uninitialize();
    model->Release();
}
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    FuzzAnswers answers (data, size);

    {
        FuzzHost host (answers);
        auto* const hostUnknown = host.context.AsUnknown();

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
            runInstance (host, answers);

        ACFShutdown (nullptr);

        check (host.log.misuses, "the plug-in used host objects after releasing them");
        check (host.log.Leaks(), "the plug-in kept references to host objects");
    }

    if (const auto alive = ACFCanUnloadNow (nullptr); alive != 0)
        fail ("objects of the plug-in are still alive after shutdown", alive);

    return 0;
}
