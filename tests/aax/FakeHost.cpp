#include "FakeHost.h"

#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"

namespace aaxtest
{
ACFRESULT FakeServicesHost::QueryInterface (acfIID iid, void** ppOut)
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

ACFRESULT FakeServicesHost::Factory::CreateComponent (acfCLSID clsid, IACFUnknown* outer, acfIID iid, void** ppOut)
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

    *ppOut = static_cast<AAX_IACFHostServices_V3*> (&owner.services);
    owner.services.AddRef();
    return ACF_OK;
}

AAX_IParameter* MakeFloatParameter (const char* identifier, float defaultValue, const char* name)
{
    return new AAX_CParameter<float> (identifier, AAX_CString (name), defaultValue,
                                      AAX_CLinearTaperDelegate<float, 0>(), AAX_CNumberDisplayDelegate<float, 3>(),
                                      true);
}
}
