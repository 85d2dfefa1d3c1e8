#ifndef AAX_IACFCOLLECTION_H
#define AAX_IACFCOLLECTION_H

#include "acfunknown.h"
#include "AAX.h"

/** The host's description collection, version 1 (IID_IAAXCollectionV1).

    The collection is what a plug-in fills during registration. Four operations precede the ones the library
    uses; the library never calls them, they only keep the host's table positions.
*/
class AAX_IACFCollection : public IACFUnknown
{
public:
    virtual AAX_Result ReservedOperation3() = 0; // position 3
    virtual AAX_Result ReservedOperation4() = 0; // position 4
    virtual AAX_Result ReservedOperation5() = 0; // position 5
    virtual AAX_Result ReservedOperation6() = 0; // position 6

    /** Position 7: adds an effect; the descriptor is the host's effect descriptor object (version 1). */
    virtual AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* name) = 0;   // position 8
    virtual AAX_Result AddPackageName (const char* packageName) = 0; // position 9
    virtual AAX_Result SetPackageVersion (uint32_t version) = 0;     // position 10
    virtual AAX_Result SetProperties (IACFUnknown* propertyMap) = 0; // position 11

protected:
    ~AAX_IACFCollection() = default;
};

#endif
