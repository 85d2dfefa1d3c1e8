#include "HostCollection.h"

#include "HostEffectDescriptor.h"
#include "HostPropertyMap.h"
#include "HostString.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

#include <vector>

namespace aaxhost
{
HostCollection::HostCollection (bool offersPluginDefinition, Diagnostics* callLog)
    : HostObject (offersPluginDefinition ? std::vector<acfUID>{IID_IAAXCollectionV1, IID_IACFPluginDefinition}
                                         : std::vector<acfUID>{IID_IAAXCollectionV1})
    , log (callLog)
{
}

void HostCollection::note (const std::string& call) const
{
    if (log != nullptr)
        log->addCall ("Collection." + call);
}

AAX_Result HostCollection::ReservedOperation3()
{
    return AAX_ERROR_UNIMPLEMENTED;
}
AAX_Result HostCollection::ReservedOperation4()
{
    return AAX_ERROR_UNIMPLEMENTED;
}
AAX_Result HostCollection::ReservedOperation5()
{
    return AAX_ERROR_UNIMPLEMENTED;
}
AAX_Result HostCollection::ReservedOperation6()
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result HostCollection::AddEffect (const char* effectID, IACFUnknown* effectDescriptor)
{
    note ("AddEffect " + textOrEmpty (effectID));

    const auto* effect = dynamic_cast<const HostEffectDescriptor*> (effectDescriptor);

    if (effect == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto id = textOrEmpty (effectID);

    for (auto& existing : description.effects)
        if (existing.effectID == id)
            return AAX_ERROR_DUPLICATE_EFFECT_ID;

    description.effects.push_back (effect->getDescription());
    description.effects.back().effectID = id;
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetManufacturerName (const char* name)
{
    note ("SetManufacturerName " + textOrEmpty (name));

    description.manufacturerName = textOrEmpty (name);
    return AAX_SUCCESS;
}

AAX_Result HostCollection::AddPackageName (const char* packageName)
{
    note ("AddPackageName " + textOrEmpty (packageName));

    description.packageNames.push_back (textOrEmpty (packageName));
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetPackageVersion (uint32_t version)
{
    note ("SetPackageVersion " + std::to_string (version));

    description.packageVersion = version;
    return AAX_SUCCESS;
}

AAX_Result HostCollection::SetProperties (IACFUnknown* propertyMap)
{
    return HostPropertyMap::copyProperties (propertyMap, description.properties);
}
}
