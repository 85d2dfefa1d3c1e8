#ifndef AAX_ICOLLECTION_H
#define AAX_ICOLLECTION_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_IDescriptionHost.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"

/** The plug-in's description as a whole: its effects, manufacturer, packages and version.

    Effect descriptors and property maps made by the New... operations belong to the collection.
*/
class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;

    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* effectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* manufacturerName) = 0;
    virtual AAX_Result AddPackageName (const char* packageName) = 0;
    virtual AAX_Result SetPackageVersion (uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* properties) = 0;

    /** The host's description services, or null when the host offers none. */
    virtual AAX_IDescriptionHost* DescriptionHost() = 0;
    virtual const AAX_IDescriptionHost* DescriptionHost() const = 0;

    /** The host's definition object (no reference added), or null. */
    virtual IACFUnknown* HostDefinition() const = 0;
};

#endif
