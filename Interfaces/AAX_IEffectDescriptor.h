#ifndef AAX_IEFFECTDESCRIPTOR_H
#define AAX_IEFFECTDESCRIPTOR_H

#include "AAX.h"
#include "AAX_Enums.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IPropertyMap.h"

/** Describes one effect: its names, category, factories, components and meters.

    Component descriptors and property maps made by the New... operations belong to this descriptor.
*/
class AAX_IEffectDescriptor
{
public:
    virtual ~AAX_IEffectDescriptor() = default;

    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent (AAX_IComponentDescriptor* componentDescriptor) = 0;
    virtual AAX_Result AddName (const char* name) = 0;
    virtual AAX_Result AddCategory (uint32_t category) = 0;
    virtual AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) = 0;
    virtual AAX_Result AddProcPtr (void* procPointer, AAX_CProcPtrID procID) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddResourceInfo (AAX_EResourceType resourceType, const char* info) = 0;
    virtual AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* meterName,
                                            AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                           uint32_t channelMask) = 0;
};

#endif
