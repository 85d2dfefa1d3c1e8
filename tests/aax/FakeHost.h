// Fake host objects for the library's tests. Each records which operation was called with which arguments.
#pragma once

#include "AAX_CEffectParameters.h"
#include "AAX_CHostServices.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFController.h"
#include "AAX_IACFHostServices.h"
#include "AAX_UIDs.h"
#include "IACFComponentFactory.h"

#include <cstring>
#include <string>
#include <vector>

namespace aaxtest
{
/** Counts references like a host object but lives on the test's stack. */
template <class Interface>
class StackObject : public Interface
{
public:
    // After the interface's own slots, so the host's table keeps its positions.
    virtual ~StackObject() = default;

    acfUInt32 AddRef() override { return ++refCount; }
    acfUInt32 Release() override { return --refCount; }

    int refCount = 0;
};

//==============================================================================
/** The host's services in all three versions; the factory hands out only the versions a test allows. */
class RecordingHostServices : public StackObject<AAX_IACFHostServices_V3>
{
public:
    struct Assertion
    {
        std::string file;
        int32_t line;
        std::string expression;
        int32_t flags;
    };

    struct TraceLine
    {
        int32_t priority;
        std::string message;
    };

    explicit RecordingHostServices (int version)
        : highestVersion (version)
    {
    }

    ACFRESULT QueryInterface (acfIID, void** ppOut) override
    {
        *ppOut = nullptr;
        return ACF_E_NOINTERFACE;
    }

    AAX_Result Assert (const char*, int32_t, const char*) override
    {
        calls.push_back ("Assert");
        return AAX_SUCCESS;
    }

    AAX_Result Trace (int32_t priority, const char* message) override
    {
        traces.push_back ({priority, message});
        return AAX_SUCCESS;
    }

    AAX_Result StackTrace (int32_t, int32_t, const char* message) override
    {
        stackTraces.push_back (message);
        return AAX_SUCCESS;
    }

    AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* expression, int32_t flags) override
    {
        assertions.push_back ({file, line, expression, flags});
        return AAX_SUCCESS;
    }

    int highestVersion;
    std::vector<TraceLine> traces;
    std::vector<Assertion> assertions;
    std::vector<std::string> stackTraces;
    std::vector<std::string> calls; // "Assert" for a call of position 3
};

/** The host's unknown with a component factory that creates RecordingHostServices. */
class FakeServicesHost : public StackObject<IACFUnknown>
{
public:
    enum class FactoryAnswer
    {
        fails,
        succeedsWithNull,
        works
    };

    FakeServicesHost (int highestVersion, FactoryAnswer answer = FactoryAnswer::works)
        : services (highestVersion)
        , factoryAnswer (answer)
    {
    }

    ACFRESULT QueryInterface (acfIID iid, void** ppOut) override;

    class Factory : public StackObject<IACFComponentFactory>
    {
    public:
        explicit Factory (FakeServicesHost& o)
            : owner (o)
        {
        }

        ACFRESULT QueryInterface (acfIID, void** ppOut) override
        {
            *ppOut = nullptr;
            return ACF_E_NOINTERFACE;
        }

        ACFRESULT CreateComponent (acfCLSID clsid, IACFUnknown* outer, acfIID iid, void** ppOut) override;

        FakeServicesHost& owner;
        std::vector<std::string> createdVersions;
    };

    RecordingHostServices services;
    FactoryAnswer factoryAnswer;
    Factory factory{*this};
    std::vector<std::string> releaseOrder;
};

/** Installs the process-wide host services for the life of a test. */
class ScopedHostServices
{
public:
    explicit ScopedHostServices (IACFUnknown* host) { result = AAX_CHostServices::Set (host); }
    ~ScopedHostServices() { AAX_CHostServices::Set (nullptr); }

    ACFRESULT result;
};

//==============================================================================
/** The host's automation delegate. Like a host it answers a set-value request by updating the data
    model it was given, when one is given.
*/
class FakeAutomationDelegate : public StackObject<AAX_IACFAutomationDelegate>
{
public:
    ACFRESULT QueryInterface (acfIID iid, void** ppOut) override
    {
        *ppOut = nullptr;

        if (iid != IID_IAAXAutomationDelegateV1)
            return ACF_E_NOINTERFACE;

        *ppOut = static_cast<AAX_IACFAutomationDelegate*> (this);
        AddRef();
        return ACF_OK;
    }

    AAX_Result RegisterParameter (AAX_CParamID id) override { return record ("register", id); }
    AAX_Result UnregisterParameter (AAX_CParamID id) override { return record ("unregister", id); }

    AAX_Result PostSetValueRequest (AAX_CParamID id, double value) override
    {
        record ("request", id, value);

        if (echoTo != nullptr)
            echoTo->UpdateParameterNormalizedValue (id, value, AAX_eUpdateSource_Unspecified);

        return AAX_SUCCESS;
    }

    AAX_Result PostCurrentValue (AAX_CParamID id, double value) override { return record ("current", id, value); }
    AAX_Result PostTouchRequest (AAX_CParamID id) override { return record ("touch", id); }
    AAX_Result PostReleaseRequest (AAX_CParamID id) override { return record ("release", id); }

    AAX_Result GetTouchState (AAX_CParamID, AAX_CBoolean* touched) override
    {
        *touched = 0;
        return AAX_SUCCESS;
    }

    AAX_Result record (const char* what, AAX_CParamID id, double value = -1.0)
    {
        calls.push_back (std::string (what) + " " + (id != nullptr ? id : "<null>"));
        values.push_back (value);
        return AAX_SUCCESS;
    }

    void clear()
    {
        calls.clear();
        values.clear();
    }

    AAX_IEffectParameters* echoTo = nullptr;
    std::vector<std::string> calls;
    std::vector<double> values;
};

/** The host's controller; records posted packets. */
class FakeController : public StackObject<AAX_IACFController>
{
public:
    struct Packet
    {
        AAX_CFieldIndex field;
        std::vector<unsigned char> bytes;
    };

    ACFRESULT QueryInterface (acfIID, void** ppOut) override
    {
        *ppOut = nullptr;
        return ACF_E_NOINTERFACE;
    }

    AAX_Result PostPacket (AAX_CFieldIndex field, const void* payload, uint32_t size) override
    {
        const auto* bytes = static_cast<const unsigned char*> (payload);
        packets.push_back ({field, std::vector<unsigned char> (bytes, bytes + size)});
        return postResult;
    }

    AAX_Result GetEffectID (AAX_IString*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetSampleRate (AAX_CSampleRate*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetInputStemFormat (AAX_EStemFormat*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetOutputStemFormat (AAX_EStemFormat*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetSignalLatency (int32_t*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetCycleCount (AAX_EProperty, AAX_CPropertyValue*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetTODLocation (int64_t*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result SetSignalLatency (int32_t) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result SetCycleCount (AAX_EProperty*, AAX_CPropertyValue*, int32_t) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetCurrentMeterValue (AAX_CTypeID, float*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetMeterPeakValue (AAX_CTypeID, float*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ClearMeterPeakValue (AAX_CTypeID) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetMeterClipped (AAX_CTypeID, AAX_CBoolean*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result ClearMeterClipped (AAX_CTypeID) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetMeterCount (uint32_t*) override { return AAX_ERROR_UNIMPLEMENTED; }
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*) override { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_Result postResult = AAX_SUCCESS;
    std::vector<Packet> packets;
};

/** The host context handed to a data model's Initialize: offers a controller and, optionally, an
    automation delegate.
*/
class FakeHostContext : public StackObject<IACFUnknown>
{
public:
    explicit FakeHostContext (bool offerAutomation = true)
        : withAutomation (offerAutomation)
    {
    }

    ACFRESULT QueryInterface (acfIID iid, void** ppOut) override
    {
        *ppOut = nullptr;

        if (iid == IID_IAAXControllerV1)
            *ppOut = static_cast<AAX_IACFController*> (&controller);
        else if (iid == IID_IAAXAutomationDelegateV1 && withAutomation)
            *ppOut = static_cast<AAX_IACFAutomationDelegate*> (&automation);

        if (*ppOut == nullptr)
            return ACF_E_NOINTERFACE;

        static_cast<IACFUnknown*> (*ppOut)->AddRef();
        return ACF_OK;
    }

    bool withAutomation;
    FakeController controller;
    FakeAutomationDelegate automation;
};

//==============================================================================
/** Creates float parameters over 0..1 as JUCE's client does. */
AAX_IParameter* MakeFloatParameter (const char* identifier, float defaultValue = 0.0f, const char* name = "Gain");

/** A data model whose EffectInit adds the parameters given to it. */
class TestEffect : public AAX_CEffectParameters
{
public:
    struct Spec
    {
        std::string identifier;
        float defaultValue;
    };

    explicit TestEffect (std::vector<Spec> specs)
        : parameterSpecs (std::move (specs))
    {
    }

    AAX_Result EffectInit() override
    {
        for (const auto& spec : parameterSpecs)
            if (mParameterManager.GetParameterByID (spec.identifier.c_str()) == nullptr)
                mParameterManager.AddParameter (MakeFloatParameter (spec.identifier.c_str(), spec.defaultValue));

        ++effectInitCalls;
        return AAX_SUCCESS;
    }

    AAX_CParameterManager& Manager() { return mParameterManager; }
    AAX_CPacketDispatcher& Dispatcher() { return mPacketDispatcher; }
    int32_t Changes() const { return mNumPlugInChanges; }
    const std::set<std::string>& ExcludedIDs() const { return mChunkExcludedIDs; }

    std::vector<Spec> parameterSpecs;
    int effectInitCalls = 0;
};
}
