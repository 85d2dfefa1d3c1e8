#include "HostEffectDescriptor.h"

#include "HostComponentDescriptor.h"
#include "HostPropertyMap.h"
#include "HostString.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

namespace aaxhost
{
HostEffectDescriptor::HostEffectDescriptor (int numVersions, Diagnostics* callLog)
    : HostObject (firstVersions ({IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2}, numVersions))
    , log (callLog)
{
}

void HostEffectDescriptor::note (const std::string& call) const
{
    if (log != nullptr)
        log->addCall ("EffectDescriptor." + call);
}

AAX_Result HostEffectDescriptor::AddComponent (IACFUnknown* componentDescriptor)
{
    note ("AddComponent");

    const auto* component = dynamic_cast<const HostComponentDescriptor*> (componentDescriptor);

    if (component == nullptr)
        return AAX_ERROR_NULL_COMPONENT;

    description.components.push_back (component->getDescription());
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddName (const char* name)
{
    note ("AddName " + textOrEmpty (name));

    if (name == nullptr || *name == '\0')
        return AAX_ERROR_EMPTY_EFFECT_NAME;

    description.names.emplace_back (name);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddCategory (uint32_t category)
{
    note ("AddCategory " + std::to_string (category));

    description.categories.push_back (category);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddCategoryBypassParameter (uint32_t category, AAX_CParamID)
{
    description.categories.push_back (category);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddProcPtr (void* procPointer, AAX_CProcPtrID procID)
{
    note ("AddProcPtr " + std::to_string (procID));

    if (procPointer == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    description.procedures.emplace_back (procID, procPointer);
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::SetProperties (IACFUnknown* propertyMap)
{
    return HostPropertyMap::copyProperties (propertyMap, description.properties);
}

AAX_Result HostEffectDescriptor::AddResourceInfo (AAX_EResourceType resourceType, const char* info)
{
    description.resources.emplace_back (resourceType, textOrEmpty (info));
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddMeterDescription (AAX_CTypeID meterID, const char* meterName,
                                                      IACFUnknown* propertyMap)
{
    note ("AddMeterDescription " + std::to_string (meterID));

    MeterDescription meter;
    meter.id = meterID;
    meter.name = textOrEmpty (meterName);

    if (const auto* map = HostPropertyMap::find (propertyMap))
        meter.properties = map->getProperties();

    description.meters.push_back (std::move (meter));
    return AAX_SUCCESS;
}

AAX_Result HostEffectDescriptor::AddControlMIDINode (AAX_CTypeID, AAX_EMIDINodeType, const char*, uint32_t)
{
    // This host delivers no MIDI.
    return AAX_ERROR_UNIMPLEMENTED;
}
}
