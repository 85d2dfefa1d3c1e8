#ifndef AAX_IFEATUREINFO_H
#define AAX_IFEATUREINFO_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"

class AAX_IPropertyMap;

/** What the host says about its support for one feature. The caller of AcquireFeatureProperties owns it. */
class AAX_IFeatureInfo
{
public:
    virtual ~AAX_IFeatureInfo() = default;

    virtual AAX_Result SupportLevel (AAX_ESupportLevel& outSupportLevel) const = 0;

    /** The feature's properties, or null; the caller owns the map. */
    virtual const AAX_IPropertyMap* AcquireProperties() const = 0;

    /** The feature this object describes. */
    virtual const _acfUID& ID() const = 0;
};

#endif
