#include "HostContext.h"

#include "HostCollection.h"
#include "HostComponentDescriptor.h"
#include "HostDescriptionHost.h"
#include "HostEffectDescriptor.h"
#include "HostPageTable.h"
#include "HostPropertyMap.h"
#include "HostServices.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

namespace aaxhost
{
namespace
{
    constexpr ACFRESULT noAggregation = (ACFRESULT)0x80040110u;     // the host's objects cannot be aggregated
    constexpr ACFRESULT classNotAvailable = (ACFRESULT)0x80040111u; // the factory makes no such class

    /** Gives the caller the asked interface of a new object; the object dies at once if it has none. */
    ACFRESULT hand (IACFUnknown* newObject, const acfUID& interfaceID, void** out)
    {
        const auto keepAlive = ComPtr<IACFUnknown>::share (newObject);
        return newObject->QueryInterface (interfaceID, out);
    }
}

HostComponentFactory::HostComponentFactory (HostState& hostState)
    : HostObject ({IID_IACFComponentFactory})
    , state (hostState)
{
}

ACFRESULT HostComponentFactory::CreateComponent (acfCLSID classID, IACFUnknown* outerObject, acfIID interfaceID,
                                                 void** outInterface)
{
    if (outInterface == nullptr)
        return ACF_E_POINTER;

    *outInterface = nullptr;

    if (outerObject != nullptr)
        return noAggregation;

    const auto& options = state.options;

    if (classID == AAXCompID_AAXCollection)
        return hand (new HostCollection (options.collectionOffersPluginDefinition, &state.diagnostics), interfaceID,
                     outInterface);

    if (classID == AAXCompID_AAXEffectDescriptor)
        return hand (new HostEffectDescriptor (options.effectDescriptorVersions, &state.diagnostics), interfaceID,
                     outInterface);

    if (classID == AAXCompID_AAXComponentDescriptor)
        return hand (new HostComponentDescriptor (options.componentDescriptorVersions, &state.diagnostics), interfaceID,
                     outInterface);

    if (classID == AAXCompID_AAXPropertyMap)
        return hand (new HostPropertyMap (options.propertyMapVersions, &state.diagnostics), interfaceID, outInterface);

    if (classID == AAXCompID_HostServices)
        return hand (new HostServices (state.diagnostics, options.hostServicesVersions), interfaceID, outInterface);

    if (classID == AAXCompID_PageTable)
        return hand (new HostPageTable(), interfaceID, outInterface);

    return classNotAvailable;
}

//==============================================================================
HostDefinition::HostDefinition()
    : HostObject ({IID_IACFDefinition})
{
}

HostContext::HostContext (HostState& hostState)
    : HostObject ({})
    , state (hostState)
    , factory (ComPtr<IACFUnknown>::share (new HostComponentFactory (hostState)))
    , descriptionHost (ComPtr<IACFUnknown>::share (new HostDescriptionHost (hostState)))
    , definition (ComPtr<IACFUnknown>::share (new HostDefinition()))
{
}

ACFRESULT HostContext::QueryInterface (acfIID interfaceID, void** out)
{
    if (out == nullptr)
        return ACF_E_POINTER;

    *out = nullptr;

    if (interfaceID == IID_IACFComponentFactory)
    {
        switch (factoryAnswer)
        {
            case FactoryAnswer::offered:
                return factory->QueryInterface (interfaceID, out);
            case FactoryAnswer::missing:
                return ACF_E_NOINTERFACE;
            case FactoryAnswer::successWithNull:
                return ACF_OK;
        }
    }

    if (interfaceID == IID_IAAXDescriptionHostV1)
        return state.options.offerDescriptionHost ? descriptionHost->QueryInterface (interfaceID, out)
                                                  : ACF_E_NOINTERFACE;

    if (interfaceID == IID_IACFDefinition)
        return definition->QueryInterface (interfaceID, out);

    return HostObject::QueryInterface (interfaceID, out);
}
}
