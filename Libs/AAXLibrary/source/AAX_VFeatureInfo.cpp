#include "AAX_VFeatureInfo.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VPropertyMap.h"

AAX_VFeatureInfo::AAX_VFeatureInfo (const _acfUID& feature, IACFUnknown* hostObject)
    : mFeatureID (feature)
{
    mIFeatureInfo.QueryFrom (hostObject, IID_IAAXFeatureInfoV1);
}

AAX_VFeatureInfo::~AAX_VFeatureInfo() = default;

AAX_Result AAX_VFeatureInfo::SupportLevel (AAX_ESupportLevel& outSupportLevel) const
{
    return mIFeatureInfo.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFFeatureInfo::SupportLevel, &outSupportLevel);
}

const AAX_IPropertyMap* AAX_VFeatureInfo::AcquireProperties() const
{
    if (!mIFeatureInfo)
        return nullptr;

    // The host keeps its own reference to this object; the map holds only the interfaces it queries from it.
    IACFUnknown* hostProperties = nullptr;

    if (mIFeatureInfo->AcquireProperties (&hostProperties) != AAX_SUCCESS || hostProperties == nullptr)
        return nullptr;

    return AAX_VPropertyMap::Acquire (hostProperties);
}

const _acfUID& AAX_VFeatureInfo::ID() const
{
    return mFeatureID;
}
