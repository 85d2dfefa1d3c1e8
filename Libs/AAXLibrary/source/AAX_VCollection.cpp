#include "AAX_VCollection.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"

namespace
{
IACFUnknown* HostObjectOf (const AAX_IPropertyMap* properties)
{
    return properties != nullptr ? properties->GetIUnknown() : nullptr;
}
}

AAX_VCollection::AAX_VCollection (IACFUnknown* hostContext)
    : mHostContext (hostContext)
    , mDescriptionHost (hostContext)
{
    AAX_CreateHostComponent (hostContext, AAXCompID_AAXCollection, IID_IAAXCollectionV1, mICollection);
}

AAX_VCollection::~AAX_VCollection()
{
    // Everything made through the collection goes first, each descriptor with its children; the host interfaces
    // follow in reverse member order: description host, collection, host context.
    for (auto& descriptor : mEffectDescriptors)
        descriptor.reset();

    mEffectDescriptors.clear();

    for (auto& map : mPropertyMaps)
        map.reset();

    mPropertyMaps.clear();
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    mEffectDescriptors.push_back (std::make_unique<AAX_VEffectDescriptor> (mHostContext.Get()));
    return mEffectDescriptors.back().get();
}

AAX_Result AAX_VCollection::AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor)
{
    if (!mICollection || effectDescriptor == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto* ours = dynamic_cast<const AAX_VEffectDescriptor*> (effectDescriptor);
    return mICollection->AddEffect (effectID, ours != nullptr ? ours->GetIUnknown() : nullptr);
}

AAX_Result AAX_VCollection::SetManufacturerName (const char* manufacturerName)
{
    return mICollection.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::SetManufacturerName, manufacturerName);
}

AAX_Result AAX_VCollection::AddPackageName (const char* packageName)
{
    return mICollection.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::AddPackageName, packageName);
}

AAX_Result AAX_VCollection::SetPackageVersion (uint32_t version)
{
    return mICollection.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::SetPackageVersion, version);
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    std::unique_ptr<AAX_IPropertyMap> map (AAX_VPropertyMap::Create (mHostContext.Get()));

    if (map == nullptr)
        return nullptr;

    mPropertyMaps.push_back (std::move (map));
    return mPropertyMaps.back().get();
}

AAX_Result AAX_VCollection::SetProperties (AAX_IPropertyMap* properties)
{
    return mICollection.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFCollection::SetProperties, HostObjectOf (properties));
}

AAX_IDescriptionHost* AAX_VCollection::DescriptionHost()
{
    return mDescriptionHost.Supported() ? &mDescriptionHost : nullptr;
}

const AAX_IDescriptionHost* AAX_VCollection::DescriptionHost() const
{
    return mDescriptionHost.Supported() ? &mDescriptionHost : nullptr;
}

IACFUnknown* AAX_VCollection::HostDefinition() const
{
    return mDescriptionHost.HostDefinition();
}
