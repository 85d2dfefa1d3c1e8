#ifndef AAX_VFEATUREINFO_H
#define AAX_VFEATUREINFO_H

#include "AAX_IFeatureInfo.h"
#include "AAX_IACFFeatureInfo.h"
#include "AAX_CHostInterfaceRef.h"

/** What the host says about one feature, over the host's feature-information object. */
class AAX_VFeatureInfo : public AAX_IFeatureInfo
{
public:
    /** Keeps a copy of `feature` and queries IID_IAAXFeatureInfoV1 from `hostObject` (may be null). */
    AAX_VFeatureInfo (const _acfUID& feature, IACFUnknown* hostObject);
    ~AAX_VFeatureInfo() override;

    AAX_Result SupportLevel (AAX_ESupportLevel& outSupportLevel) const override;
    const AAX_IPropertyMap* AcquireProperties() const override;
    const _acfUID& ID() const override;

private:
    const _acfUID mFeatureID;
    AAX_CHostInterfaceRef<AAX_IACFFeatureInfo> mIFeatureInfo;
};

#endif
