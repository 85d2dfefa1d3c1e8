#ifndef AAX_IDESCRIPTIONHOST_H
#define AAX_IDESCRIPTIONHOST_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_IFeatureInfo.h"

/** The host's description services, as seen while a plug-in describes itself. */
class AAX_IDescriptionHost
{
public:
    virtual ~AAX_IDescriptionHost() = default;

    /** What the host says about `feature`, or null; the caller owns the result. */
    virtual const AAX_IFeatureInfo* AcquireFeatureProperties (const _acfUID& feature) const = 0;
};

#endif
