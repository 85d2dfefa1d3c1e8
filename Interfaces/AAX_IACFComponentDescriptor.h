#ifndef AAX_IACFCOMPONENTDESCRIPTOR_H
#define AAX_IACFCOMPONENTDESCRIPTOR_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"
#include "AAX_IDma.h"

/** The native process callback: called with the range [instancesBegin, instancesEnd) of algorithm contexts. */
typedef void (AAX_CALLBACK* AAX_CProcessProc) (void* const instancesBegin[], const void* instancesEnd);

/** The native instance-initialisation callback: an algorithm context and what happens to it. */
typedef int32_t (AAX_CALLBACK* AAX_CInstanceInitProc) (const void* instance, AAX_EComponentInstanceInitAction action);

/** The native background callback. */
typedef int32_t (AAX_CALLBACK* AAX_CBackgroundProc)();

/** The host's component descriptor, version 1 (IID_IAAXComponentDescriptorV1). Every AAX_CFieldIndex argument is
    the index of a field of the algorithm context; property maps are passed as the host's own objects.
*/
class AAX_IACFComponentDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;                                                           // position 3
    virtual AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) = 0; // position 4
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) = 0;                           // position 5
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) = 0;                          // position 6
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) = 0;                 // position 7
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) = 0;                        // position 8
    virtual AAX_Result AddClock (AAX_CFieldIndex fieldIndex) = 0;                             // position 9
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) = 0;                       // position 10
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                      AAX_EDataInPortType portType) = 0; // position 11
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat,
                                         const char* name) = 0; // position 12
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize,
                                       uint32_t options) = 0;                                    // position 13
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) = 0; // position 14
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                                    uint32_t channelMask) = 0; // position 15
    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                              AAX_CInstanceInitProc instanceInitProc,
                                              AAX_CBackgroundProc backgroundProc,
                                              uint32_t* outProcID) = 0; // position 16
    virtual AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                          IACFUnknown* properties, const char* instanceInitProcSymbol,
                                          const char* backgroundProcSymbol, uint32_t* outProcID) = 0; // position 17
    virtual AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs,
                                  uint32_t meterCount) = 0; // position 18

protected:
    ~AAX_IACFComponentDescriptor() = default;
};

/** Version 2 (IID_IAAXComponentDescriptorV2): version 1 plus temporary data. */
class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor
{
public:
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) = 0; // position 19

protected:
    ~AAX_IACFComponentDescriptor_V2() = default;
};

/** Version 3 (IID_IAAXComponentDescriptorV3): the host reads the process procedures from a property map. */
class AAX_IACFComponentDescriptor_V3 : public AAX_IACFComponentDescriptor_V2
{
public:
    /** Position 20: registers every process procedure the map describes and writes their IDs, followed by a 0,
        into `procIDs`, which holds `capacity` entries.
    */
    virtual AAX_Result AddProcessProc (IACFUnknown* properties, uint32_t* procIDs, int32_t capacity) = 0;

protected:
    ~AAX_IACFComponentDescriptor_V3() = default;
};

#endif
