#ifndef AAX_VCOMPONENTDESCRIPTOR_H
#define AAX_VCOMPONENTDESCRIPTOR_H

#include "AAX_IComponentDescriptor.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_CHostInterfaceRef.h"

#include <memory>
#include <set>
#include <vector>

/** A component descriptor that lives in the host, created through the host's component factory.

    Without version 3 of the host's descriptor, AddProcessProc registers the process procedures itself, reading
    them from the property map.
*/
class AAX_VComponentDescriptor : public AAX_IComponentDescriptor
{
public:
    /** Creates the host's component descriptor when `hostContext` is not null (and holds one reference on it). */
    explicit AAX_VComponentDescriptor (IACFUnknown* hostContext);
    ~AAX_VComponentDescriptor() override;

    using AAX_IComponentDescriptor::AddProcessProc_Native;

    AAX_Result Clear() override;
    AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddClock (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                              AAX_EDataInPortType portType = AAX_eDataInPortType_Buffered) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize,
                               uint32_t options = AAX_ePrivateDataOptions_DefaultOptions) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) override;
    AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
    AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                            uint32_t channelMask) override;
    AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) override;
    AAX_IPropertyMap* NewPropertyMap() const override;
    AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) const override;
    AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties = nullptr,
                                      AAX_CInstanceInitProc instanceInitProc = nullptr,
                                      AAX_CBackgroundProc backgroundProc = nullptr,
                                      uint32_t* outProcID = nullptr) override;
    AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol, AAX_IPropertyMap* properties,
                                  const char* instanceInitProcSymbol = nullptr,
                                  const char* backgroundProcSymbol = nullptr, uint32_t* outProcID = nullptr) override;
    AAX_Result AddProcessProc (AAX_IPropertyMap* properties, uint32_t* procIDs = nullptr,
                               int32_t capacity = 0) override;

    /** The host's version-1 component descriptor, or null (no reference added). */
    IACFUnknown* GetIUnknown() const noexcept { return mIComponentDescriptor.Get(); }

    /** The pointer properties that a manual process-procedure registration reads (36 to 42). Property maps without
        version 3 keep exactly these locally.
    */
    static const std::set<AAX_EProperty>& PointerPropertiesUsedByAddProcessProc();

private:
    AAX_Result ManuallyAddProcessProcs (AAX_IPropertyMap* properties, uint32_t* procIDs, int32_t capacity);
    AAX_IPropertyMap* MapWithoutAudioBufferLength (AAX_IPropertyMap* properties);

    AAX_CHostInterfaceRef<IACFUnknown> mHostContext;
    AAX_CHostInterfaceRef<AAX_IACFComponentDescriptor> mIComponentDescriptor;
    AAX_CHostInterfaceRef<AAX_IACFComponentDescriptor_V2> mIComponentDescriptorV2;
    AAX_CHostInterfaceRef<AAX_IACFComponentDescriptor_V3> mIComponentDescriptorV3;
    mutable std::vector<std::unique_ptr<AAX_IPropertyMap>> mPropertyMaps;
};

#endif
