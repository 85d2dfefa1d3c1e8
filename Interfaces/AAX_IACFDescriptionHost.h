#ifndef AAX_IACFDESCRIPTIONHOST_H
#define AAX_IACFDESCRIPTIONHOST_H

#include "acfunknown.h"
#include "AAX.h"

/** The host's description services, version 1 (IID_IAAXDescriptionHostV1). */
class AAX_IACFDescriptionHost : public IACFUnknown
{
public:
    /** Position 3: writes through `outFeatureInfo` a host object that describes the host's support for `feature`.
        The library queries IID_IAAXFeatureInfoV1 from that object.
    */
    virtual AAX_Result AcquireFeatureProperties (const _acfUID& feature, IACFUnknown** outFeatureInfo) = 0;

protected:
    ~AAX_IACFDescriptionHost() = default;
};

#endif
