#include "HostComponentDescriptor.h"

#include "HostPropertyMap.h"
#include "HostString.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

#include <algorithm>
#include <vector>

namespace aaxhost
{
HostComponentDescriptor::HostComponentDescriptor (int numVersions, Diagnostics* callLog)
    : HostObject (firstVersions (
          {IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2, IID_IAAXComponentDescriptorV3}, numVersions))
    , log (callLog)
{
}

void HostComponentDescriptor::note (const std::string& call) const
{
    if (log != nullptr)
        log->addCall ("ComponentDescriptor." + call);
}

AAX_Result HostComponentDescriptor::addField (AAX_CFieldIndex index, FieldKind kind, uint32_t size, int32_t option,
                                              std::string name)
{
    note (std::string ("Add ") + toString (kind) + " " + std::to_string (index));

    // An algorithm context is an array of pointers without gaps: a field index may be declared once.
    if (index < 0 || index > 1024)
        return AAX_ERROR_INVALID_FIELD_INDEX;

    for (auto& field : description.fields)
        if (field.index == index)
            return AAX_ERROR_INVALID_FIELD_INDEX;

    description.fields.push_back ({index, kind, size, option, std::move (name)});
    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::addProcedure (ProcessProcedure procedure, IACFUnknown* properties,
                                                  uint32_t* outProcID)
{
    // The host keeps what the map holds now: the plug-in may go on changing its map afterwards.
    if (const auto* map = HostPropertyMap::find (properties))
        procedure.properties = map->getProperties();

    procedure.id = nextProcedureID++;
    description.processProcedures.push_back (std::move (procedure));

    if (outProcID != nullptr)
        *outProcID = description.processProcedures.back().id;

    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::Clear()
{
    description = {};
    return AAX_SUCCESS;
}

AAX_Result HostComponentDescriptor::AddReservedField (AAX_CFieldIndex fieldIndex, uint32_t fieldType)
{
    return addField (fieldIndex, FieldKind::reserved, 0, (int32_t)fieldType);
}

AAX_Result HostComponentDescriptor::AddAudioIn (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::audioIn);
}

AAX_Result HostComponentDescriptor::AddAudioOut (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::audioOut);
}

AAX_Result HostComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::audioBufferLength);
}

AAX_Result HostComponentDescriptor::AddSampleRate (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::sampleRate);
}

AAX_Result HostComponentDescriptor::AddClock (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::clock);
}

AAX_Result HostComponentDescriptor::AddSideChainIn (AAX_CFieldIndex fieldIndex)
{
    return addField (fieldIndex, FieldKind::sideChainIn);
}

AAX_Result HostComponentDescriptor::AddDataInPort (AAX_CFieldIndex fieldIndex, uint32_t packetSize,
                                                   AAX_EDataInPortType portType)
{
    if (packetSize == 0 || packetSize > 65536)
        return AAX_ERROR_INVALID_ARGUMENT;

    return addField (fieldIndex, FieldKind::dataInPort, packetSize, portType);
}

AAX_Result HostComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex fieldIndex, int32_t stemFormat, const char* name)
{
    return addField (fieldIndex, FieldKind::auxOutputStem, 0, stemFormat, textOrEmpty (name));
}

AAX_Result HostComponentDescriptor::AddPrivateData (AAX_CFieldIndex fieldIndex, int32_t dataSize, uint32_t options)
{
    if (dataSize <= 0 || dataSize > (1 << 24))
        return AAX_ERROR_INVALID_ARGUMENT;

    return addField (fieldIndex, FieldKind::privateData, (uint32_t)dataSize, (int32_t)options);
}

AAX_Result HostComponentDescriptor::AddDmaInstance (AAX_CFieldIndex fieldIndex, AAX_IDma::EMode dmaMode)
{
    return addField (fieldIndex, FieldKind::dmaInstance, 0, dmaMode);
}

AAX_Result HostComponentDescriptor::AddMIDINode (AAX_CFieldIndex fieldIndex, AAX_EMIDINodeType nodeType,
                                                 const char* nodeName, uint32_t channelMask)
{
    return addField (fieldIndex, FieldKind::midiNode, channelMask, nodeType, textOrEmpty (nodeName));
}

AAX_Result HostComponentDescriptor::AddMeters (AAX_CFieldIndex fieldIndex, const AAX_CTypeID* meterIDs,
                                               uint32_t meterCount)
{
    if (meterIDs == nullptr && meterCount > 0)
        return AAX_ERROR_NULL_ARGUMENT;

    return addField (fieldIndex, FieldKind::meters, meterCount);
}

AAX_Result HostComponentDescriptor::AddTemporaryData (AAX_CFieldIndex fieldIndex, uint32_t dataElementSize)
{
    if (dataElementSize == 0)
        return AAX_ERROR_INVALID_ARGUMENT;

    return addField (fieldIndex, FieldKind::temporaryData, dataElementSize);
}

AAX_Result HostComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                                           AAX_CInstanceInitProc instanceInitProc,
                                                           AAX_CBackgroundProc backgroundProc, uint32_t* outProcID)
{
    note ("AddProcessProc_Native");

    if (processProc == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    ProcessProcedure procedure;
    procedure.nativeProcess = reinterpret_cast<void*> (processProc);
    procedure.instanceInit = reinterpret_cast<void*> (instanceInitProc);
    procedure.background = reinterpret_cast<void*> (backgroundProc);
    return addProcedure (std::move (procedure), properties, outProcID);
}

AAX_Result HostComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                       IACFUnknown* properties, const char*, const char*,
                                                       uint32_t* outProcID)
{
    note ("AddProcessProc_TI");

    ProcessProcedure procedure;
    procedure.tiModule = textOrEmpty (dllFileName);
    procedure.tiProcessSymbol = textOrEmpty (processProcSymbol);
    return addProcedure (std::move (procedure), properties, outProcID);
}

AAX_Result HostComponentDescriptor::AddProcessProc (IACFUnknown* properties, uint32_t* procIDs, int32_t capacity)
{
    note ("AddProcessProc");

    const auto* map = HostPropertyMap::find (properties);

    if (map == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto& values = map->getProperties();
    std::vector<uint32_t> ids;

    if (values.get (AAX_eProperty_PlugInID_Native) || values.get (AAX_eProperty_PlugInID_AudioSuite))
    {
        uint32_t id = 0;
        const auto result =
            AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (
                                       const_cast<void*> (values.getPointer (AAX_eProperty_NativeProcessProc))),
                                   properties,
                                   reinterpret_cast<AAX_CInstanceInitProc> (
                                       const_cast<void*> (values.getPointer (AAX_eProperty_NativeInstanceInitProc))),
                                   reinterpret_cast<AAX_CBackgroundProc> (
                                       const_cast<void*> (values.getPointer (AAX_eProperty_NativeBackgroundProc))),
                                   &id);

        if (result != AAX_SUCCESS)
            return result;

        ids.push_back (id);
    }

    if (values.get (AAX_eProperty_PlugInID_TI))
    {
        uint32_t id = 0;
        AddProcessProc_TI (static_cast<const char*> (values.getPointer (AAX_eProperty_TIDLLFileName)),
                           static_cast<const char*> (values.getPointer (AAX_eProperty_TIProcessProc)), properties,
                           nullptr, nullptr, &id);
        ids.push_back (id);
    }

    if (procIDs == nullptr)
        return AAX_SUCCESS;

    if ((int32_t)ids.size() >= capacity)
        return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;

    std::copy (ids.begin(), ids.end(), procIDs);
    procIDs[ids.size()] = 0;
    return AAX_SUCCESS;
}
}
