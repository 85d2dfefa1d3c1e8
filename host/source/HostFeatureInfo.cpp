#include "HostFeatureInfo.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

namespace aaxhost
{
HostFeatureInfo::HostFeatureInfo (HostState& hostState, AAX_ESupportLevel supportLevel,
                                  ComPtr<HostPropertyMap> featureProperties)
    : HostObject ({IID_IAAXFeatureInfoV1})
    , state (hostState)
    , level (supportLevel)
    , properties (std::move (featureProperties))
{
}

AAX_Result HostFeatureInfo::SupportLevel (AAX_ESupportLevel* outSupportLevel)
{
    if (outSupportLevel == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outSupportLevel = level;
    return AAX_SUCCESS;
}

AAX_Result HostFeatureInfo::AcquireProperties (IACFUnknown** outProperties)
{
    if (outProperties == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outProperties = nullptr;

    if (!properties)
        return AAX_ERROR_NULL_OBJECT;

    // Lent, not given: the plug-in keeps only the interfaces it queries from the map, so the host holds
    // the map until registration ends.
    state.lentObjects.push_back (ComPtr<IACFUnknown>::share (properties.get()));
    *outProperties = properties.get();
    return AAX_SUCCESS;
}
}
