#ifndef AAX_ICOMPONENTDESCRIPTOR_H
#define AAX_ICOMPONENTDESCRIPTOR_H

#include "AAX.h"
#include "AAX_Enums.h"
#include "AAX_IDma.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IPropertyMap.h"

/** Describes one processing component of an effect: the fields of its algorithm context and its process
    procedures. Every AAX_CFieldIndex argument is the index of a field of the algorithm context.

    Property maps made by NewPropertyMap and DuplicatePropertyMap belong to this descriptor.
*/
class AAX_IComponentDescriptor
{
public:
    virtual ~AAX_IComponentDescriptor() = default;

    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddClock (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) = 0;
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                      AAX_EDataInPortType portType = AAX_eDataInPortType_Buffered) = 0;
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) = 0;
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize,
                                       uint32_t options = AAX_ePrivateDataOptions_DefaultOptions) = 0;
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) = 0;
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) = 0;
    virtual AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) = 0;
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                                    uint32_t channelMask) = 0;
    virtual AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) = 0;

    virtual AAX_IPropertyMap* NewPropertyMap() const = 0;

    /** A copy of the integer and pointer properties 10 to 401 of `source`, owned by this descriptor, or null. */
    virtual AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) const = 0;

    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties = nullptr,
                                              AAX_CInstanceInitProc instanceInitProc = nullptr,
                                              AAX_CBackgroundProc backgroundProc = nullptr,
                                              uint32_t* outProcID = nullptr) = 0;

    virtual AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                          AAX_IPropertyMap* properties, const char* instanceInitProcSymbol = nullptr,
                                          const char* backgroundProcSymbol = nullptr,
                                          uint32_t* outProcID = nullptr) = 0;

    /** Registers the process procedures that `properties` describes and writes their IDs, followed by a 0, into
        `procIDs` (which holds `capacity` entries; may be null).
    */
    virtual AAX_Result AddProcessProc (AAX_IPropertyMap* properties, uint32_t* procIDs = nullptr,
                                       int32_t capacity = 0) = 0;

    /** Accepts a process callback typed on the plug-in's own algorithm-context structure, as plug-ins write
        them, and registers it as the untyped callback the host calls.
    */
    template <typename ContextType>
    AAX_Result AddProcessProc_Native (
        void (AAX_CALLBACK* processProc) (ContextType* const instancesBegin[], const void* instancesEnd),
        AAX_IPropertyMap* properties = nullptr,
        int32_t (AAX_CALLBACK* instanceInitProc) (const ContextType* instance,
                                                  AAX_EComponentInstanceInitAction) = nullptr,
        AAX_CBackgroundProc backgroundProc = nullptr, uint32_t* outProcID = nullptr)
    {
        return AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (processProc), properties,
                                      reinterpret_cast<AAX_CInstanceInitProc> (instanceInitProc), backgroundProc,
                                      outProcID);
    }
};

#endif
