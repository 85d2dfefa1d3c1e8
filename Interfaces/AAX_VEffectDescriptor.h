#ifndef AAX_VEFFECTDESCRIPTOR_H
#define AAX_VEFFECTDESCRIPTOR_H

#include "AAX_IEffectDescriptor.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_CHostInterfaceRef.h"

#include <memory>
#include <vector>

/** An effect descriptor that lives in the host, created through the host's component factory. It owns the
    component descriptors and property maps it makes.
*/
class AAX_VEffectDescriptor : public AAX_IEffectDescriptor
{
public:
    /** Creates the host's effect descriptor when `hostContext` is not null (and holds one reference on it). */
    explicit AAX_VEffectDescriptor (IACFUnknown* hostContext);
    ~AAX_VEffectDescriptor() override;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent (AAX_IComponentDescriptor* componentDescriptor) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) override;
    AAX_Result AddProcPtr (void* procPointer, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo (AAX_EResourceType resourceType, const char* info) override;
    AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* meterName, AAX_IPropertyMap* properties) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                   uint32_t channelMask) override;

    /** The host's version-1 effect descriptor, or null (no reference added). */
    IACFUnknown* GetIUnknown() const noexcept { return mIEffectDescriptor.Get(); }

private:
    AAX_CHostInterfaceRef<IACFUnknown> mHostContext;
    AAX_CHostInterfaceRef<AAX_IACFEffectDescriptor> mIEffectDescriptor;
    AAX_CHostInterfaceRef<AAX_IACFEffectDescriptor_V2> mIEffectDescriptorV2;
    std::vector<std::unique_ptr<AAX_IComponentDescriptor>> mComponentDescriptors;
    std::vector<std::unique_ptr<AAX_IPropertyMap>> mPropertyMaps;
};

#endif
