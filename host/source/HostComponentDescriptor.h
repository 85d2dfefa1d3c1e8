#pragma once

#include "Diagnostics.h"
#include "HostObject.h"
#include "PluginDescription.h"

#include <AAX_IACFComponentDescriptor.h>

#include <string>

namespace aaxhost
{
/** A host component descriptor: records the algorithm context's fields and the process procedures. */
class HostComponentDescriptor final : public HostObject<AAX_IACFComponentDescriptor_V3>
{
public:
    explicit HostComponentDescriptor (int numVersions = 3, Diagnostics* callLog = nullptr);

    AAX_Result Clear() override;
    AAX_Result AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType) override;
    AAX_Result AddAudioIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSampleRate (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddClock (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddSideChainIn (AAX_CFieldIndex fieldIndex) override;
    AAX_Result AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize, AAX_EDataInPortType portType) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode) override;
    AAX_Result AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType, const char* nodeName,
                            uint32_t channelMask) override;
    AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                      AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                      uint32_t* outProcID) override;
    AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol, IACFUnknown* properties,
                                  const char* instanceInitProcSymbol, const char* backgroundProcSymbol,
                                  uint32_t* outProcID) override;
    AAX_Result AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize) override;
    AAX_Result AddProcessProc (IACFUnknown* properties, uint32_t* procIDs, int32_t capacity) override;

    const ComponentDescription& getDescription() const noexcept { return description; }

private:
    AAX_Result addField (AAX_CFieldIndex index, FieldKind kind, uint32_t size = 0, int32_t option = 0,
                         std::string name = {});

    /** Records a process procedure with a copy of its map's properties and hands out its ID. */
    AAX_Result addProcedure (ProcessProcedure procedure, IACFUnknown* properties, uint32_t* outProcID);

    void note (const std::string& call) const;

    Diagnostics* const log;
    ComponentDescription description;
    uint32_t nextProcedureID = 1;
};
}
