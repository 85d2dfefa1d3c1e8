#include "AAX_VDescriptionHost.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"
#include "AAX_VFeatureInfo.h"

AAX_VDescriptionHost::AAX_VDescriptionHost (IACFUnknown* hostContext)
{
    mDescriptionHost.QueryFrom (hostContext, IID_IAAXDescriptionHostV1);
    mHostDefinition.QueryFrom (hostContext, IID_IACFDefinition);
}

AAX_VDescriptionHost::~AAX_VDescriptionHost() = default;

const AAX_IFeatureInfo* AAX_VDescriptionHost::AcquireFeatureProperties (const _acfUID& feature) const
{
    if (!mDescriptionHost)
        return nullptr;

    IACFUnknown* hostFeatureInfo = nullptr;

    if (mDescriptionHost->AcquireFeatureProperties (feature, &hostFeatureInfo) != AAX_SUCCESS ||
        hostFeatureInfo == nullptr)
        return nullptr;

    return new AAX_VFeatureInfo (feature, hostFeatureInfo);
}
