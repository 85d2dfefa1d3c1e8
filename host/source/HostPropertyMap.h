#pragma once

#include "Diagnostics.h"
#include "HostObject.h"
#include "PluginDescription.h"

#include <AAX_IACFPropertyMap.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace aaxhost
{
/** A host property map: integer, identifier-array and pointer properties. */
class HostPropertyMap final : public HostObject<AAX_IACFPropertyMap_V3>
{
public:
    explicit HostPropertyMap (int numVersions = 3, Diagnostics* callLog = nullptr);

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) override;
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                       uint32_t count) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                         uint32_t* outCount) override;
    AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override;

    const PropertyList& getProperties() const noexcept { return properties; }

    /** The host's own filling of a map it hands out (not one of the plug-in's calls, so not logged). */
    void setHostProperty (int32_t property, std::optional<int32_t> value);

    /** The host map behind an interface pointer the plug-in passed, or null when it is none of the host's. */
    static const HostPropertyMap* find (IACFUnknown* object);

    /** Copies what the host map behind `object` holds now into `destination`, or answers
        AAX_ERROR_NULL_OBJECT when `object` is none of the host's maps.
    */
    static AAX_Result copyProperties (IACFUnknown* object, PropertyList& destination);

private:
    void note (const std::string& call) const;

    Diagnostics* const log;
    PropertyList properties;
    std::map<int32_t, std::vector<AAX_SPlugInIdentifierTriad>> idArrays;
};
}
