#pragma once

#include "Diagnostics.h"
#include "HostObject.h"
#include "PluginDescription.h"

#include <AAX_IACFEffectDescriptor.h>

#include <string>

namespace aaxhost
{
/** A host effect descriptor: names, categories, procedures, components and meters of one effect. */
class HostEffectDescriptor final : public HostObject<AAX_IACFEffectDescriptor_V2>
{
public:
    explicit HostEffectDescriptor (int numVersions = 2, Diagnostics* callLog = nullptr);

    AAX_Result AddComponent (IACFUnknown* componentDescriptor) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr (void* procPointer, AAX_CProcPtrID procID) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;
    AAX_Result AddResourceInfo (AAX_EResourceType resourceType, const char* info) override;
    AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* meterName, IACFUnknown* propertyMap) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                   uint32_t channelMask) override;

    const EffectDescription& getDescription() const noexcept { return description; }

private:
    void note (const std::string& call) const;

    Diagnostics* const log;
    EffectDescription description;
};
}
