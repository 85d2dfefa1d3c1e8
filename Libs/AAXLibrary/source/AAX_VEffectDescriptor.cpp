#include "AAX_VEffectDescriptor.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

namespace
{
IACFUnknown* HostObjectOf (const AAX_IPropertyMap* properties)
{
    return properties != nullptr ? properties->GetIUnknown() : nullptr;
}
}

AAX_VEffectDescriptor::AAX_VEffectDescriptor (IACFUnknown* hostContext)
    : mHostContext (hostContext)
{
    AAX_CreateHostComponent (hostContext, AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV1,
                             mIEffectDescriptor);
    mIEffectDescriptorV2.QueryFrom (mIEffectDescriptor, IID_IAAXEffectDescriptorV2);
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
    // Children first, each component descriptor completely; then version 2, version 1 and the host context.
    for (auto& descriptor : mComponentDescriptors)
        descriptor.reset();

    mComponentDescriptors.clear();

    for (auto& map : mPropertyMaps)
        map.reset();

    mPropertyMaps.clear();
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    mComponentDescriptors.push_back (std::make_unique<AAX_VComponentDescriptor> (mHostContext.Get()));
    return mComponentDescriptors.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddComponent (AAX_IComponentDescriptor* componentDescriptor)
{
    const auto* ours = dynamic_cast<const AAX_VComponentDescriptor*> (componentDescriptor);
    return mIEffectDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor::AddComponent,
                                      ours != nullptr ? ours->GetIUnknown() : nullptr);
}

AAX_Result AAX_VEffectDescriptor::AddName (const char* name)
{
    return mIEffectDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor::AddName, name);
}

AAX_Result AAX_VEffectDescriptor::AddCategory (uint32_t category)
{
    return mIEffectDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor::AddCategory, category);
}

AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID)
{
    return mIEffectDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor::AddCategoryBypassParameter,
                                      category, parameterID);
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr (void* procPointer, AAX_CProcPtrID procID)
{
    return mIEffectDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor::AddProcPtr, procPointer,
                                      procID);
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    std::unique_ptr<AAX_IPropertyMap> map (AAX_VPropertyMap::Create (mHostContext.Get()));

    if (map == nullptr)
        return nullptr;

    mPropertyMaps.push_back (std::move (map));
    return mPropertyMaps.back().get();
}

AAX_Result AAX_VEffectDescriptor::SetProperties (AAX_IPropertyMap* properties)
{
    return mIEffectDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor::SetProperties,
                                      HostObjectOf (properties));
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo (AAX_EResourceType resourceType, const char* info)
{
    return mIEffectDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor::AddResourceInfo, resourceType,
                                      info);
}

AAX_Result AAX_VEffectDescriptor::AddMeterDescription (AAX_CTypeID meterID, const char* meterName,
                                                       AAX_IPropertyMap* properties)
{
    return mIEffectDescriptor.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFEffectDescriptor::AddMeterDescription, meterID,
                                      meterName, HostObjectOf (properties));
}

AAX_Result AAX_VEffectDescriptor::AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType,
                                                      const char* nodeName, uint32_t channelMask)
{
    return mIEffectDescriptorV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFEffectDescriptor_V2::AddControlMIDINode,
                                        nodeID, nodeType, nodeName, channelMask);
}
