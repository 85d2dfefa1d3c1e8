#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_UIDs.h"
#include "AAX_VPageTable.h"
#include "TestEffect.h"
#include "VtableSlots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <utility>
#include <vector>

using aaxtest::TestEffect;

namespace
{
using Model = aaxtest::InitializedEffect;
using VtableSlots::callSlot;
}

TEST (EffectParameters, AnswersItsFourInterfaceVersionsAndTheUnknown)
{
    Model model ({});
    const acfUID versions[] = {IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2, IID_IAAXEffectParametersV3,
                               IID_IAAXEffectParametersV4};

    for (const auto& iid : versions)
    {
        void* answer = nullptr;
        EXPECT_EQ (model.effect->QueryInterface (iid, &answer), ACF_OK);
        EXPECT_EQ (answer, static_cast<AAX_IACFEffectParameters*> (model.effect));
        static_cast<IACFUnknown*> (answer)->Release();
    }

    void* unknown = nullptr;
    EXPECT_EQ (model.effect->QueryInterface (IID_IACFUnknown, &unknown), ACF_OK);
    EXPECT_NE (unknown, nullptr);
    static_cast<IACFUnknown*> (unknown)->Release();

    acfUID almost = IID_IAAXEffectParametersV1;
    almost.Data4[7] ^= 1;
    void* none = reinterpret_cast<void*> (1);
    EXPECT_EQ (static_cast<uint32_t> (model.effect->QueryInterface (almost, &none)), 0x80000004u);
    EXPECT_EQ (none, nullptr);
    EXPECT_EQ (model.effect->AddRef(), 2u);
    model.effect->Release();
}

TEST (EffectParameters, HostReachesOperationsByPosition)
{
    Model model ({{"drive", 0.5f}, {"MasterBypassID", 0.0f}});
    AAX_IACFEffectParameters* host = model.effect;

    int32_t count = 0;
    EXPECT_EQ ((callSlot<AAX_Result, int32_t*> (host, 6, &count)), AAX_SUCCESS);
    EXPECT_EQ (count, 2);

    AAX_CString bypass;
    EXPECT_EQ ((callSlot<AAX_Result, AAX_IString*> (host, 7, &bypass)), AAX_SUCCESS);
    EXPECT_STREQ (bypass.Get(), "MasterBypassID");

    double value = 0.0;
    EXPECT_EQ ((callSlot<AAX_Result, AAX_CParamID, double*> (host, 23, "drive", &value)), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (value, 0.5);

    EXPECT_EQ ((callSlot<AAX_Result, AAX_CParamID, double, AAX_EUpdateSource> (host, 29, "drive", 0.25,
                                                                               AAX_eUpdateSource_Unspecified)),
               AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.25);

    int32_t chunks = 0;
    EXPECT_EQ ((callSlot<AAX_Result, int32_t*> (host, 33, &chunks)), AAX_SUCCESS);
    EXPECT_EQ (chunks, 1);

    EXPECT_EQ ((callSlot<AAX_Result> (host, 40)), AAX_SUCCESS); // TimerWakeup
    EXPECT_EQ ((callSlot<AAX_Result, AAX_CTypeID, const float*, uint32_t, float*> (host, 41, 0u, nullptr, 0u, nullptr)),
               AAX_ERROR_UNIMPLEMENTED); // GetCurveData
    EXPECT_EQ ((callSlot<AAX_Result, AAX_SHybridRenderInfo*> (host, 45, nullptr)), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (
        (callSlot<AAX_Result, uint32_t, int32_t, IACFUnknown*, IACFUnknown*> (host, 50, 0u, 0, nullptr, nullptr)),
        AAX_SUCCESS); // no page table: nothing to fill

    void* answer = nullptr;
    EXPECT_EQ ((callSlot<ACFRESULT, const acfUID*, void**> (host, 51, &IID_IAAXEffectParametersV2, &answer)), ACF_OK);
    EXPECT_EQ (answer, host);
    model.effect->Release();

    AAX_VPageTable pageTable (nullptr);
    EXPECT_EQ ((callSlot<AAX_Result, uint32_t, int32_t, AAX_IPageTable*> (host, 55, 0u, 0, &pageTable)),
               AAX_ERROR_UNIMPLEMENTED);

    const auto before = model.effect->effectInitCalls;
    EXPECT_EQ ((callSlot<AAX_Result> (host, 54)), AAX_SUCCESS); // EffectInit
    EXPECT_EQ (model.effect->effectInitCalls, before + 1);
}

TEST (EffectParameters, InitializeLeavesTheMasterBypassOutOfTheChunk)
{
    Model model ({{"drive", 0.5f}, {"MasterBypassID", 0.0f}});
    EXPECT_EQ (model.effect->ExcludedIDs(), std::set<std::string>{"MasterBypassID"});

    Model withoutBypass ({{"drive", 0.5f}});
    AAX_CString bypass ("x");
    withoutBypass.effect->GetMasterBypassParameter (&bypass);
    EXPECT_STREQ (bypass.Get(), "");
    EXPECT_EQ (withoutBypass.effect->ExcludedIDs(), std::set<std::string>{""});
}

TEST (EffectParameters, ChunkIndexAndParameterLookups)
{
    Model model ({{"drive", 0.5f}});

    AAX_CTypeID id = 99;
    EXPECT_EQ (model.effect->GetChunkIDFromIndex (0, &id), AAX_SUCCESS);
    EXPECT_EQ (id, 0x656C636Bu);
    EXPECT_EQ (model.effect->GetChunkIDFromIndex (1, &id), AAX_ERROR_INVALID_CHUNK_INDEX);
    EXPECT_EQ (id, 0u);

    int32_t index = 5;
    EXPECT_EQ (model.effect->GetParameterIndex (nullptr, &index), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ (index, -1);
    EXPECT_EQ (model.effect->GetParameterIndex ("Drive", &index), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ (model.effect->GetParameterIndex ("drive", &index), AAX_SUCCESS);
    EXPECT_EQ (index, 0);

    AAX_CString text ("x");
    EXPECT_EQ (model.effect->GetParameterIDFromIndex (-1, &text), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_STREQ (text.Get(), "");
    EXPECT_EQ (model.effect->GetParameterIDFromIndex (1, &text), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ (model.effect->GetParameterIDFromIndex (0, &text), AAX_SUCCESS);
    EXPECT_STREQ (text.Get(), "drive");

    text.Set ("x");
    EXPECT_EQ (model.effect->GetParameterName ("unknown", &text), AAX_SUCCESS);
    EXPECT_STREQ (text.Get(), "");

    double value = 0.0;
    EXPECT_EQ (model.effect->GetParameterNormalizedValue ("unknown", &value), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ (model.effect->GetParameterValueInfo ("drive", 0, &index), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (index, 0);

    Model empty ({});
    EXPECT_EQ (empty.effect->GetParameterIndex ("drive", &index), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ (index, -1);

    EXPECT_EQ (model.effect->Manager().GetParameterByID (nullptr), nullptr);
    EXPECT_EQ (model.effect->Manager().GetParameterByID ("driv"), nullptr);
    EXPECT_NE (model.effect->Manager().GetParameterByID ("drive"), nullptr);

    // A second parameter with a known identifier is not added (and is deleted: see below).
    model.effect->Manager().AddParameter (aaxtest::MakeFloatParameter ("drive"));
    EXPECT_EQ (model.effect->Manager().NumParameters(), 1);
}

namespace
{
/** A float parameter that counts how many of its kind are alive. */
class CountedParameter : public AAX_CParameter<float>
{
public:
    explicit CountedParameter (const char* identifier)
        : AAX_CParameter<float> (identifier, AAX_CString ("Counted"), 0.5f, AAX_CLinearTaperDelegate<float, 0>(),
                                 AAX_CNumberDisplayDelegate<float, 3>(), true)
    {
        ++alive;
    }

    ~CountedParameter() override { --alive; }

    static inline int alive = 0;
};

/** Adds its parameters on every EffectInit, as JUCE's client does, without asking what is there. */
class ReinitialisedEffect : public AAX_CEffectParameters
{
public:
    AAX_Result EffectInit() override
    {
        for (const auto* id : {"drive", "tone"})
            mParameterManager.AddParameter (new CountedParameter (id));

        return AAX_SUCCESS;
    }
};
}

// The manager owns what it is handed: a parameter whose identifier is already registered is deleted,
// and the registered one stays. So a second Initialize, which makes JUCE's client add all its
// parameters again, leaks nothing.
TEST (EffectParameters, ADuplicateParameterIsDeletedAndTheRegisteredOneStays)
{
    {
        FakeHost::InstanceContext context;
        auto* effect = new ReinitialisedEffect();
        effect->AddRef();

        EXPECT_EQ (effect->Initialize (context.context.AsUnknown()), AAX_SUCCESS);
        EXPECT_EQ (CountedParameter::alive, 2);
        EXPECT_EQ (effect->UpdateParameterNormalizedValue ("drive", 0.75, AAX_eUpdateSource_Unspecified), AAX_SUCCESS);

        EXPECT_EQ (effect->Initialize (context.context.AsUnknown()), AAX_SUCCESS);
        EXPECT_EQ (CountedParameter::alive, 2);

        int32_t count = 0;
        effect->GetNumberOfParameters (&count);
        EXPECT_EQ (count, 2);

        double value = 0.0;
        effect->GetParameterNormalizedValue ("drive", &value);
        EXPECT_DOUBLE_EQ (value, 0.75);

        effect->Release();
    }

    EXPECT_EQ (CountedParameter::alive, 0);
}

TEST (EffectParameters, StepCountThatDoesNotFitIsAnOverflow)
{
    Model model ({{"drive", 0.5f}});
    int32_t steps = 7;

    EXPECT_EQ (model.effect->GetParameterNumberOfSteps ("drive", &steps), AAX_SUCCESS);
    EXPECT_EQ (steps, 128);

    model.effect->Manager().GetParameterByID ("drive")->SetNumberOfSteps (0x80000000u);
    EXPECT_EQ (model.effect->GetParameterNumberOfSteps ("drive", &steps), AAX_ERROR_SIGNED_INT_OVERFLOW);
    EXPECT_EQ (steps, 128);
}

TEST (EffectParameters, NameOfLengthPicksTheLongestFittingLine)
{
    Model model ({{"drive", 0.5f}});
    auto* parameter = model.effect->Manager().GetParameterByID ("drive");
    parameter->SetName (AAX_CString ("Gain\nGn\nG"));

    AAX_CString text;
    const auto nameOfLength = [&] (int32_t length)
    {
        text.Set ("unchanged");
        EXPECT_EQ (model.effect->GetParameterNameOfLength ("drive", &text, length), AAX_SUCCESS);
        return std::string (text.Get());
    };

    EXPECT_EQ (nameOfLength (4), "Gain");
    EXPECT_EQ (nameOfLength (3), "Gn");
    EXPECT_EQ (nameOfLength (1), "G");
    EXPECT_EQ (nameOfLength (0), "");

    parameter->SetName (AAX_CString ("Gain"));
    EXPECT_EQ (nameOfLength (2), "Ga");

    EXPECT_EQ (model.effect->GetParameterNameOfLength ("drive", nullptr, 4), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ (model.effect->GetParameterNameOfLength ("unknown", &text, 4), AAX_SUCCESS);
    EXPECT_STREQ (text.Get(), "");
}

TEST (EffectParameters, RelativeChangesAreClampedToTheUnitRange)
{
    Model model ({{"drive", 0.9f}, {"trim", 0.1f}});

    EXPECT_EQ (model.effect->SetParameterNormalizedRelative ("drive", 0.3), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 1.0);
    EXPECT_EQ (model.effect->SetParameterNormalizedRelative ("trim", -0.3), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("trim"), 0.0);

    EXPECT_EQ (model.effect->UpdateParameterNormalizedRelative ("drive", -1.5), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.0);
    EXPECT_EQ (model.effect->UpdateParameterNormalizedRelative ("trim", 2.0), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("trim"), 1.0);

    EXPECT_EQ (model.effect->SetParameterNormalizedRelative ("unknown", 0.1), AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST (EffectParameters, RequestRoadGoesThroughTheHost)
{
    Model model ({{"drive", 0.5f}});
    model.context.automation.confirmTo = nullptr; // a host that has not answered yet
    auto& log = model.context.log;
    log.Clear();

    EXPECT_EQ (model.effect->SetParameterNormalizedValue ("drive", 0.75), AAX_SUCCESS);
    EXPECT_EQ (
        log.Summary ("automation"),
        (std::vector<std::string>{"PostTouchRequest drive", "PostSetValueRequest drive", "PostReleaseRequest drive"}));
    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.5);

    EXPECT_EQ (model.effect->UpdateParameterNormalizedValue ("drive", 0.75, AAX_eUpdateSource_Unspecified),
               AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.75);

    log.Clear();
    EXPECT_EQ (model.effect->TouchParameter ("drive"), AAX_SUCCESS);
    EXPECT_EQ (model.effect->ReleaseParameter ("drive"), AAX_SUCCESS);
    EXPECT_EQ (log.Summary ("automation"),
               (std::vector<std::string>{"PostTouchRequest drive", "PostReleaseRequest drive"}));
}

TEST (EffectParameters, UpdatesCountOnlyRealChangesButAlwaysMarkPackets)
{
    Model model ({{"drive", 0.5f}});
    model.effect->Dispatcher().RegisterPacket ("drive", 3);
    model.effect->GenerateCoefficients();
    model.context.controller.packets.clear();

    EXPECT_EQ (model.effect->GenerateCoefficients(), AAX_SUCCESS); // nothing dirty: nothing posted
    EXPECT_TRUE (model.context.controller.packets.empty());

    const auto before = model.effect->Changes();
    model.effect->UpdateParameterNormalizedValue ("drive", 0.25, AAX_eUpdateSource_Unspecified);
    model.effect->UpdateParameterNormalizedValue ("drive", 0.25, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (model.effect->Changes(), before + 1);

    int32_t changes = -1;
    EXPECT_EQ (model.effect->GetNumberOfChanges (&changes), AAX_SUCCESS);
    EXPECT_EQ (changes, before + 1);

    model.effect->GenerateCoefficients();
    EXPECT_EQ (model.context.controller.packets.size(), 1u);

    EXPECT_EQ (model.effect->UpdateParameterNormalizedValue ("unknown", 0.25, AAX_eUpdateSource_Unspecified),
               AAX_ERROR_INVALID_PARAMETER_ID);
}

TEST (EffectParameters, PreviewNotificationSwitchesPreviewID)
{
    Model model ({{"PreviewID", 1.0f}});
    model.effect->Manager().AddParameter (new AAX_CParameter<bool> ("flag", AAX_CString ("Flag"), false,
                                                                    AAX_CLinearTaperDelegate<bool, 0> (false, true),
                                                                    AAX_CNumberDisplayDelegate<bool, 0>(), true));

    const int32_t off = 0;
    // "PreviewID" is a float parameter here, which refuses a bool: the value stays.
    EXPECT_EQ (model.effect->NotificationReceived (0x41535076, &off, sizeof (off)), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("PreviewID"), 1.0);

    Model boolPreview ({});
    boolPreview.effect->Manager().AddParameter (new AAX_CParameter<bool> (
        "PreviewID", AAX_CString ("Preview"), true, AAX_CLinearTaperDelegate<bool, 0> (false, true),
        AAX_CNumberDisplayDelegate<bool, 0>(), true));

    EXPECT_EQ (boolPreview.effect->NotificationReceived (0x41535076, &off, sizeof (off)), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (boolPreview.value ("PreviewID"), 0.0);

    Model none ({});
    EXPECT_EQ (none.effect->NotificationReceived (0x41535076, &off, sizeof (off)), AAX_SUCCESS);
    EXPECT_EQ (none.effect->NotificationReceived (0x41535076, nullptr, 0), AAX_SUCCESS);
    EXPECT_EQ (none.effect->NotificationReceived (0x12345678, &off, sizeof (off)), AAX_SUCCESS);
}

TEST (EffectParameters, ValueTextsGoThroughTheDisplay)
{
    Model model ({{"drive", 0.5f}});
    AAX_CString text;

    EXPECT_EQ (model.effect->GetParameterValueString ("drive", &text, 4), AAX_SUCCESS);
    EXPECT_STREQ (text.Get(), "0.50");

    EXPECT_EQ (model.effect->GetParameterStringFromValue ("drive", 0.25, &text, 5), AAX_SUCCESS);
    EXPECT_STREQ (text.Get(), "0.250");

    double value = 9.0;
    EXPECT_EQ (model.effect->GetParameterValueFromString ("drive", &value, AAX_CString ("0.75")), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (value, 0.75);
    EXPECT_EQ (model.effect->GetParameterValueFromString ("drive", &value, AAX_CString ("loud")),
               AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_DOUBLE_EQ (value, 0.75);
}

TEST (EffectParameters, ResetFieldDataZeroesAndUninitializeUnregisters)
{
    Model model ({{"drive", 0.5f}});

    unsigned char field[8];
    std::memset (field, 0xAB, sizeof (field));
    EXPECT_EQ (model.effect->ResetFieldData (4, field, 6), AAX_SUCCESS);
    EXPECT_EQ (field[5], 0);
    EXPECT_EQ (field[6], 0xAB);

    model.context.log.Clear();
    EXPECT_EQ (model.effect->Uninitialize(), AAX_SUCCESS);
    EXPECT_EQ (model.context.log.Summary ("automation"), std::vector<std::string>{"UnregisterParameter drive"});
    EXPECT_EQ (model.effect->Controller(), nullptr);

    int32_t count = 5;
    model.effect->GetNumberOfParameters (&count);
    EXPECT_EQ (count, 0);
}

TEST (EffectParameters, ASecondInitializeMovesTheParametersToTheNewHost)
{
    // A host that initialises again without uninitialising: the parameters of the first round must
    // not keep pointing at the automation wrapper that the second round replaces.
    Model model ({{"drive", 0.5f}});
    model.context.log.Clear();

    FakeHost::InstanceContext second;
    second.automation.confirmTo = model.effect;
    EXPECT_EQ (model.effect->Initialize (second.context.AsUnknown()), AAX_SUCCESS);
    EXPECT_EQ (model.context.log.Summary ("automation"), std::vector<std::string>{"UnregisterParameter drive"});

    second.log.Clear();
    EXPECT_EQ (model.effect->TouchParameter ("drive"), AAX_SUCCESS);
    EXPECT_EQ (second.log.Summary ("automation"), std::vector<std::string>{"PostTouchRequest drive"});
    EXPECT_EQ (model.context.log.Summary ("automation"), std::vector<std::string>{"UnregisterParameter drive"});

    EXPECT_EQ (model.effect->Uninitialize(), AAX_SUCCESS);
}

// A host value that is not a number is refused with AAX_ERROR_INVALID_ARGUMENT, before anything else
// happens: the parameter keeps its value and default, nothing is asked of the host, nothing counts as
// a change and no packet goes out.
TEST (EffectParameters, HostValuesThatAreNotNumbersAreRefused)
{
    Model model ({{"drive", 0.5f}});
    model.effect->Dispatcher().RegisterPacket ("drive", 3);
    model.effect->GenerateCoefficients();
    model.context.controller.packets.clear();
    model.context.log.Clear();
    const auto changes = model.effect->Changes();

    for (const auto value : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()})
    {
        auto* effect = model.effect;
        EXPECT_EQ (effect->SetParameterNormalizedValue ("drive", value), AAX_ERROR_INVALID_ARGUMENT);
        EXPECT_EQ (effect->UpdateParameterNormalizedValue ("drive", value, AAX_eUpdateSource_Unspecified),
                   AAX_ERROR_INVALID_ARGUMENT);
        EXPECT_EQ (effect->SetParameterNormalizedRelative ("drive", value), AAX_ERROR_INVALID_ARGUMENT);
        EXPECT_EQ (effect->UpdateParameterNormalizedRelative ("drive", value), AAX_ERROR_INVALID_ARGUMENT);
        EXPECT_EQ (effect->SetParameterDefaultNormalizedValue ("drive", value), AAX_ERROR_INVALID_ARGUMENT);

        // An unknown identifier is still reported as such.
        EXPECT_EQ (effect->SetParameterNormalizedValue ("unknown", value), AAX_ERROR_INVALID_PARAMETER_ID);
    }

    double defaultValue = 0.0;
    model.effect->GetParameterDefaultNormalizedValue ("drive", &defaultValue);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.5);
    EXPECT_DOUBLE_EQ (defaultValue, 0.5);
    EXPECT_TRUE (model.context.log.Summary ("automation").empty());
    EXPECT_EQ (model.effect->Changes(), changes);

    model.effect->GenerateCoefficients();
    EXPECT_TRUE (model.context.controller.packets.empty());
}

// A host value beyond what a float holds is refused the same way by the calls that set a value or a
// default (the parameters keep floats); the relative calls, and values a float holds, are limited to
// the range.
TEST (EffectParameters, HostValuesBeyondAFloatAreRefusedAndOthersLimited)
{
    Model model ({{"drive", 0.5f}});
    model.context.log.Clear();
    const auto changes = model.effect->Changes();
    auto* effect = model.effect;

    for (const auto value : {1.0e300, -1.0e300, 1.0e39, -1.0e39})
    {
        EXPECT_EQ (effect->SetParameterNormalizedValue ("drive", value), AAX_ERROR_INVALID_ARGUMENT) << value;
        EXPECT_EQ (effect->UpdateParameterNormalizedValue ("drive", value, AAX_eUpdateSource_Unspecified),
                   AAX_ERROR_INVALID_ARGUMENT)
            << value;
        EXPECT_EQ (effect->SetParameterDefaultNormalizedValue ("drive", value), AAX_ERROR_INVALID_ARGUMENT) << value;
    }

    double defaultValue = 0.0;
    effect->GetParameterDefaultNormalizedValue ("drive", &defaultValue);
    EXPECT_DOUBLE_EQ (defaultValue, 0.5);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.5);
    EXPECT_TRUE (model.context.log.Summary ("automation").empty());
    EXPECT_EQ (effect->Changes(), changes);

    EXPECT_EQ (effect->UpdateParameterNormalizedValue ("drive", 1.0e38, AAX_eUpdateSource_Unspecified), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 1.0);
    EXPECT_EQ (effect->UpdateParameterNormalizedRelative ("drive", -1.0e300), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (model.value ("drive"), 0.0);
}

namespace
{
/** Hears every value the data model confirms, as JUCE's client does to hand it on to its processor. */
class ListeningEffect : public TestEffect
{
public:
    using TestEffect::TestEffect;

    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source) override
    {
        heard.emplace_back (id, value);
        return TestEffect::UpdateParameterNormalizedValue (id, value, source);
    }

    std::vector<std::pair<std::string, double>> heard;
};
}

// A host without an automation delegate: nobody answers a set-value request, so the data model
// confirms each change itself, through its own UpdateParameterNormalizedValue. Values set by the host
// or the plug-in and restored chunks take effect at once, a derived class hears of them, they count
// as changes and their packets go out.
TEST (EffectParameters, WithoutAHostDelegateChangesTakeEffectAtOnce)
{
    FakeHost::InstanceContext context (false);
    auto* effect = new ListeningEffect ({{"drive", 0.5f}, {"tone", 0.5f}});
    effect->AddRef();
    ASSERT_EQ (effect->Initialize (context.context.AsUnknown()), AAX_SUCCESS);
    effect->Dispatcher().RegisterPacket ("drive", 3);
    effect->GenerateCoefficients();
    context.controller.packets.clear();

    const auto valueOf = [effect] (const char* id)
    {
        double value = -1.0;
        effect->GetParameterNormalizedValue (id, &value);
        return value;
    };

    const auto changes = effect->Changes();
    EXPECT_EQ (effect->SetParameterNormalizedValue ("drive", 0.75), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (valueOf ("drive"), 0.75);
    EXPECT_EQ (effect->heard, (std::vector<std::pair<std::string, double>>{{"drive", 0.75}}));
    EXPECT_EQ (effect->Changes(), changes + 1);

    effect->GenerateCoefficients();
    ASSERT_EQ (context.controller.packets.size(), 1u);
    float posted = 0.0f;
    std::memcpy (&posted, context.controller.packets[0].bytes.data(), sizeof (posted));
    EXPECT_EQ (posted, 0.75f);

    // The plug-in's own change (as JUCE's client makes one for an editor gesture).
    effect->heard.clear();
    EXPECT_TRUE (effect->Manager().GetParameterByID ("tone")->SetValueWithFloat (0.125f));
    EXPECT_DOUBLE_EQ (valueOf ("tone"), 0.125);
    EXPECT_EQ (effect->heard, (std::vector<std::pair<std::string, double>>{{"tone", 0.125}}));

    // A controls chunk saved with other values restores both.
    uint32_t size = 0;
    effect->GetChunkSize (0x656C636B, &size);
    std::vector<char> record (AAX_PLUGIN_CHUNK_HEADER_SIZE + size);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
    ASSERT_EQ (effect->GetChunk (0x656C636B, chunk), AAX_SUCCESS);
    chunk->fChunkID = 0x656C636B;

    effect->SetParameterNormalizedValue ("drive", 0.0);
    effect->SetParameterNormalizedValue ("tone", 1.0);
    effect->heard.clear();
    EXPECT_EQ (effect->SetChunk (0x656C636B, chunk), AAX_SUCCESS);
    EXPECT_DOUBLE_EQ (valueOf ("drive"), 0.75);
    EXPECT_DOUBLE_EQ (valueOf ("tone"), 0.125);
    EXPECT_EQ (effect->heard, (std::vector<std::pair<std::string, double>>{{"drive", 0.75}, {"tone", 0.125}}));

    AAX_CBoolean equal = 0;
    EXPECT_EQ (effect->CompareActiveChunk (chunk, &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);

    effect->Release();
}
