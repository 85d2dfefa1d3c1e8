#ifndef AAX_IACFEFFECTDESCRIPTOR_H
#define AAX_IACFEFFECTDESCRIPTOR_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"

/** The host's effect descriptor, version 1 (IID_IAAXEffectDescriptorV1). Host objects (component descriptors,
    property maps) are passed as the host's own interface pointers.
*/
class AAX_IACFEffectDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result AddComponent (IACFUnknown* componentDescriptor) = 0;                          // position 3
    virtual AAX_Result AddName (const char* name) = 0;                                               // position 4
    virtual AAX_Result AddCategory (uint32_t category) = 0;                                          // position 5
    virtual AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID parameterID) = 0; // position 6
    virtual AAX_Result AddProcPtr (void* procPointer, AAX_CProcPtrID procID) = 0;                    // position 7
    virtual AAX_Result SetProperties (IACFUnknown* propertyMap) = 0;                                 // position 8
    virtual AAX_Result AddResourceInfo (AAX_EResourceType resourceType, const char* info) = 0;       // position 9
    virtual AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* meterName,
                                            IACFUnknown* propertyMap) = 0; // position 10

protected:
    ~AAX_IACFEffectDescriptor() = default;
};

/** The host's effect descriptor, version 2 (IID_IAAXEffectDescriptorV2): version 1 plus one operation. */
class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor
{
public:
    virtual AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType nodeType, const char* nodeName,
                                           uint32_t channelMask) = 0; // position 11

protected:
    ~AAX_IACFEffectDescriptor_V2() = default;
};

#endif
