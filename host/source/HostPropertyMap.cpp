#include "HostPropertyMap.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

namespace aaxhost
{
HostPropertyMap::HostPropertyMap (int numVersions, Diagnostics* callLog)
    : HostObject (firstVersions ({IID_IAAXPropertyMapV1, IID_IAAXPropertyMapV2, IID_IAAXPropertyMapV3}, numVersions))
    , log (callLog)
{
}

void HostPropertyMap::note (const std::string& call) const
{
    if (log != nullptr)
        log->addCall ("PropertyMap." + call);
}

AAX_CBoolean HostPropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue)
{
    note ("GetProperty " + std::to_string (property));

    const auto value = properties.get (property);

    if (!value)
        return 0;

    if (outValue != nullptr)
        *outValue = *value;

    return 1;
}

AAX_Result HostPropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
{
    note ("AddProperty " + std::to_string (property) + " " + std::to_string (value));

    properties.set (property, value);
    return AAX_SUCCESS;
}

AAX_Result HostPropertyMap::RemoveProperty (AAX_EProperty property)
{
    note ("RemoveProperty " + std::to_string (property));

    idArrays.erase (property);
    properties.remove (property);
    return AAX_SUCCESS;
}

AAX_Result HostPropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                                    uint32_t count)
{
    if (pluginIDs == nullptr && count > 0)
        return AAX_ERROR_NULL_ARGUMENT;

    idArrays[property].assign (pluginIDs, pluginIDs + count);

    std::vector<uint32_t> flattened;

    for (uint32_t i = 0; i < count; ++i)
        flattened.insert (flattened.end(),
                          {pluginIDs[i].mManufacturerID, pluginIDs[i].mProductID, pluginIDs[i].mPlugInID});

    properties.idArrays.emplace_back (property, std::move (flattened));
    return AAX_SUCCESS;
}

AAX_CBoolean HostPropertyMap::GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                                      uint32_t* outCount)
{
    const auto found = idArrays.find (property);

    if (found == idArrays.end() || outIDs == nullptr || outCount == nullptr)
        return 0;

    *outIDs = found->second.data();
    *outCount = (uint32_t)found->second.size();
    return 1;
}

AAX_CBoolean HostPropertyMap::GetPointerProperty (AAX_EProperty property, const void** outValue)
{
    const auto found = properties.pointers.find (property);

    if (found == properties.pointers.end() || outValue == nullptr)
        return 0;

    *outValue = found->second;
    return 1;
}

AAX_Result HostPropertyMap::AddPointerProperty (AAX_EProperty property, const void* value)
{
    note ("AddPointerProperty " + std::to_string (property));

    properties.pointers[property] = value;
    return AAX_SUCCESS;
}

void HostPropertyMap::setHostProperty (int32_t property, std::optional<int32_t> value)
{
    if (value)
        properties.set (property, *value);
    else
        properties.remove (property);
}

const HostPropertyMap* HostPropertyMap::find (IACFUnknown* object)
{
    return dynamic_cast<const HostPropertyMap*> (object);
}

AAX_Result HostPropertyMap::copyProperties (IACFUnknown* object, PropertyList& destination)
{
    const auto* map = find (object);

    if (map == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    destination = map->getProperties();
    return AAX_SUCCESS;
}
}
