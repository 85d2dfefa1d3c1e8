#include "AAX_VPropertyMap.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VComponentDescriptor.h"

#include <initializer_list>
#include <memory>

namespace
{
bool IsStemFormatProperty (AAX_EProperty property) noexcept
{
    return property == AAX_eProperty_InputStemFormat || property == AAX_eProperty_OutputStemFormat;
}

/** Stem formats a host without description services understands: layout indexes 0 to 12, "any" and "none". */
bool IsStemFormatKnownToEveryHost (AAX_CPropertyValue value) noexcept
{
    const auto format = static_cast<uint32_t> (value);
    return format <= 0x000CFFFFu || format == static_cast<uint32_t> (AAX_eStemFormat_Any) ||
           format == static_cast<uint32_t> (AAX_eStemFormat_None);
}
}

//==============================================================================
AAX_VPropertyMap* AAX_VPropertyMap::Create (IACFUnknown* hostContext)
{
    if (hostContext == nullptr)
        return nullptr;

    void* factoryInterface = nullptr;

    if (ACFFAILED (hostContext->QueryInterface (IID_IACFComponentFactory, &factoryInterface)))
    {
        if (factoryInterface != nullptr)
            static_cast<IACFUnknown*> (factoryInterface)->Release();

        return nullptr;
    }

    AAX_CHostInterfaceRef<IACFComponentFactory> factory;
    factory.Adopt (static_cast<IACFComponentFactory*> (factoryInterface));

    std::unique_ptr<AAX_VPropertyMap> map (new AAX_VPropertyMap());

    if (factory.Get() == nullptr)
        return map.release();

    void* created = nullptr;

    if (ACFSUCCEEDED (factory->CreateComponent (AAXCompID_AAXPropertyMap, nullptr, IID_IAAXPropertyMapV1, &created)))
        map->mIPropertyMap.Adopt (static_cast<AAX_IACFPropertyMap*> (created));

    map->QueryLaterVersions();

    // The description host may be reached through any of these objects, depending on the host.
    for (auto* candidate : std::initializer_list<IACFUnknown*>{hostContext, factory.Get(), map->mIPropertyMapV2.Get(),
                                                               map->mIPropertyMapV3.Get(), map->mIPropertyMap.Get()})
    {
        if (map->mIDescriptionHost.QueryFrom (candidate, IID_IAAXDescriptionHostV1))
            break;
    }

    return map.release();
}

AAX_VPropertyMap* AAX_VPropertyMap::Acquire (IACFUnknown* hostObject)
{
    std::unique_ptr<AAX_VPropertyMap> map (new AAX_VPropertyMap());

    map->mIPropertyMap.QueryFrom (hostObject, IID_IAAXPropertyMapV1);
    map->mIPropertyMapV2.QueryFrom (hostObject, IID_IAAXPropertyMapV2);
    map->mIPropertyMapV3.QueryFrom (hostObject, IID_IAAXPropertyMapV3);
    map->mIDescriptionHost.QueryFrom (hostObject, IID_IAAXDescriptionHostV1);

    return map.release();
}

AAX_VPropertyMap::~AAX_VPropertyMap() = default;

void AAX_VPropertyMap::QueryLaterVersions()
{
    if (!mIPropertyMap)
        return;

    mIPropertyMapV2.QueryFrom (mIPropertyMap, IID_IAAXPropertyMapV2);
    mIPropertyMapV3.QueryFrom (mIPropertyMap, IID_IAAXPropertyMapV3);
}

//==============================================================================
AAX_CBoolean AAX_VPropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const
{
    return mIPropertyMap.CallOr (0, &AAX_IACFPropertyMap::GetProperty, property, outValue);
}

AAX_CBoolean AAX_VPropertyMap::GetPointerProperty (AAX_EProperty property, const void** outValue) const
{
    if (mIPropertyMapV3)
        return mIPropertyMapV3->GetPointerProperty (property, outValue);

    if (outValue == nullptr)
        return 0;

    const auto found = mLocalPointerProperties.find (property);

    if (found == mLocalPointerProperties.end())
        return 0;

    *outValue = found->second;
    return 1;
}

AAX_Result AAX_VPropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
{
    // A host with description services checks stem formats itself; older hosts take only the ones they know.
    if (IsStemFormatProperty (property) && !mIDescriptionHost && !IsStemFormatKnownToEveryHost (value))
        return AAX_ERROR_PROPERTY_UNDEFINED;

    return mIPropertyMap.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFPropertyMap::AddProperty, property, value);
}

AAX_Result AAX_VPropertyMap::AddPointerProperty (AAX_EProperty property, const void* value)
{
    if (mIPropertyMapV3)
        return mIPropertyMapV3->AddPointerProperty (property, value);

    // Without version 3 the host cannot hold pointers: keep those a manual process-procedure registration reads.
    const auto& kept = AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc();

    if (kept.find (property) == kept.end())
        return AAX_ERROR_UNIMPLEMENTED;

    mLocalPointerProperties[property] = value;
    return AAX_SUCCESS;
}

AAX_Result AAX_VPropertyMap::AddPointerProperty (AAX_EProperty property, const char* value)
{
    return AddPointerProperty (property, static_cast<const void*> (value));
}

AAX_Result AAX_VPropertyMap::RemoveProperty (AAX_EProperty property)
{
    return mIPropertyMap.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFPropertyMap::RemoveProperty, property);
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray (AAX_EProperty property,
                                                     const AAX_SPlugInIdentifierTriad* pluginIDs, uint32_t count)
{
    return mIPropertyMapV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPropertyMap_V2::AddPropertyWithIDArray, property,
                                   pluginIDs, count);
}

AAX_CBoolean AAX_VPropertyMap::GetPropertyWithIDArray (AAX_EProperty property,
                                                       const AAX_SPlugInIdentifierTriad** outIDs,
                                                       uint32_t* outCount) const
{
    return mIPropertyMapV2.CallOr (0, &AAX_IACFPropertyMap_V2::GetPropertyWithIDArray, property, outIDs, outCount);
}

IACFUnknown* AAX_VPropertyMap::GetIUnknown() const
{
    if (mIPropertyMapV3)
        return mIPropertyMapV3.Get();

    if (mIPropertyMapV2)
        return mIPropertyMapV2.Get();

    if (mIPropertyMap)
        return mIPropertyMap.Get();

    return nullptr;
}
