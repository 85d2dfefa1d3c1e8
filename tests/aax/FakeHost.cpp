#include "FakeHost.h"

#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"

namespace aaxtest
{
namespace
{
    HandMadeHostServices& Self (void* self)
    {
        return *static_cast<HandMadeHostServices*> (self);
    }

    ACFRESULT QueryInterfaceSlot (void*, const acfUID&, void** ppOut)
    {
        *ppOut = nullptr;
        return ACF_E_NOINTERFACE;
    }

    acfUInt32 AddRefSlot (void* self)
    {
        return static_cast<acfUInt32> (++Self (self).refCount);
    }
    acfUInt32 ReleaseSlot (void* self)
    {
        return static_cast<acfUInt32> (--Self (self).refCount);
    }

    AAX_Result AssertSlot (void* self, const char*, int32_t, const char*)
    {
        Self (self).calls.push_back ("Assert");
        return AAX_SUCCESS;
    }

    AAX_Result TraceSlot (void* self, int32_t priority, const char* message)
    {
        Self (self).traces.push_back ({priority, message});
        return AAX_SUCCESS;
    }

    AAX_Result StackTraceSlot (void* self, int32_t, int32_t, const char* message)
    {
        Self (self).stackTraces.push_back (message);
        return AAX_SUCCESS;
    }

    AAX_Result HandleAssertFailureSlot (void* self, const char* file, int32_t line, const char* expression,
                                        int32_t flags)
    {
        Self (self).assertions.push_back ({file, line, expression, flags});
        return AAX_SUCCESS;
    }

    // Positions 0 to 6 of the host-services interface.
    void* const kServicesVtable[] = {reinterpret_cast<void*> (&QueryInterfaceSlot),
                                     reinterpret_cast<void*> (&AddRefSlot),
                                     reinterpret_cast<void*> (&ReleaseSlot),
                                     reinterpret_cast<void*> (&AssertSlot),
                                     reinterpret_cast<void*> (&TraceSlot),
                                     reinterpret_cast<void*> (&StackTraceSlot),
                                     reinterpret_cast<void*> (&HandleAssertFailureSlot)};
}

HandMadeHostServices::HandMadeHostServices (int version)
    : vtable (kServicesVtable)
    , highestVersion (version)
{
}

ACFRESULT FakeServicesHost::QueryInterface (const acfIID iid, void** ppOut)
{
    *ppOut = nullptr;

    if (iid != IID_IACFComponentFactory || factoryAnswer == FactoryAnswer::fails)
        return ACF_E_NOINTERFACE;

    if (factoryAnswer == FactoryAnswer::works)
    {
        *ppOut = static_cast<IACFComponentFactory*> (&factory);
        factory.AddRef();
    }

    return ACF_OK;
}

ACFRESULT FakeServicesHost::Factory::CreateComponent (const acfCLSID clsid, IACFUnknown* outer, const acfIID iid,
                                                      void** ppOut)
{
    *ppOut = nullptr;

    if (clsid != AAXCompID_HostServices || outer != nullptr)
        return ACF_E_NOINTERFACE;

    const int version = iid == IID_IAAXHostServicesV1   ? 1
                        : iid == IID_IAAXHostServicesV2 ? 2
                        : iid == IID_IAAXHostServicesV3 ? 3
                                                        : 0;
    createdVersions.push_back (std::to_string (version));

    if (version == 0 || version > owner.services.highestVersion)
        return ACF_E_NOINTERFACE;

    *ppOut = &owner.services;
    ++owner.services.refCount;
    return ACF_OK;
}

AAX_IParameter* MakeFloatParameter (const char* identifier, float defaultValue, const char* name)
{
    return new AAX_CParameter<float> (identifier, AAX_CString (name), defaultValue,
                                      AAX_CLinearTaperDelegate<float, 0>(), AAX_CNumberDisplayDelegate<float, 3>(),
                                      true);
}
}
