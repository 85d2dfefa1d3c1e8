#ifndef AAX_IPROPERTYMAP_H
#define AAX_IPROPERTYMAP_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"
#include "AAX_IACFPropertyMap.h"

/** A set of properties that a plug-in hands to the host with a description object. */
class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;

    /** Non-zero when the map holds `property`; its value is then written through `outValue`. */
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const = 0;

    /** Non-zero when the map holds the pointer-valued `property`; the pointer is then written through `outValue`. */
    virtual AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** outValue) const = 0;

    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) = 0;
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const char* value) = 0;
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;

    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* pluginIDs,
                                               uint32_t count) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                                 uint32_t* outCount) const = 0;

    /** The host object behind this map (no reference added), or null when there is none. */
    virtual IACFUnknown* GetIUnknown() const = 0;
};

#endif
