#ifndef AAX_IACFPROPERTYMAP_H
#define AAX_IACFPROPERTYMAP_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"

/** One plug-in identity: manufacturer, product and plug-in type identifiers. */
struct AAX_SPlugInIdentifierTriad
{
    AAX_CTypeID mManufacturerID;
    AAX_CTypeID mProductID;
    AAX_CTypeID mPlugInID;
};

/** The host's property map, version 1 (IID_IAAXPropertyMapV1): integer properties. */
class AAX_IACFPropertyMap : public IACFUnknown
{
public:
    /** Position 3: non-zero when the map holds the property; its value is then written through `outValue`. */
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) = 0;
    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0; // position 4
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;                        // position 5

protected:
    ~AAX_IACFPropertyMap() = default;
};

/** Version 2 (IID_IAAXPropertyMapV2): properties whose value is an array of plug-in identities. */
class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap
{
public:
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                               uint32_t count) = 0; // position 6
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                                 uint32_t* outCount) = 0; // position 7

protected:
    ~AAX_IACFPropertyMap_V2() = default;
};

/** Version 3 (IID_IAAXPropertyMapV3): pointer-valued properties. */
class AAX_IACFPropertyMap_V3 : public AAX_IACFPropertyMap_V2
{
public:
    virtual AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) = 0; // position 8
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) = 0;       // position 9

protected:
    ~AAX_IACFPropertyMap_V3() = default;
};

#endif
