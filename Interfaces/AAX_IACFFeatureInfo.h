#ifndef AAX_IACFFEATUREINFO_H
#define AAX_IACFFEATUREINFO_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"

/** The host's information about one feature, version 1 (IID_IAAXFeatureInfoV1). */
class AAX_IACFFeatureInfo : public IACFUnknown
{
public:
    virtual AAX_Result SupportLevel (AAX_ESupportLevel* outSupportLevel) = 0; // position 3

    /** Position 4: writes through `outProperties` a host object holding the feature's properties; the library
        queries the property-map interfaces from it.
    */
    virtual AAX_Result AcquireProperties (IACFUnknown** outProperties) = 0;

protected:
    ~AAX_IACFFeatureInfo() = default;
};

#endif
