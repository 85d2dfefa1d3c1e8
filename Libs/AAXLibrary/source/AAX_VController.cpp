#include "AAX_VController.h"

#include "AAX_Errors.h"
#include "AAX_IString.h"
#include "AAX_UIDs.h"

AAX_VController::AAX_VController (IACFUnknown* hostController)
{
    mIController.QueryOfferedFrom (hostController, IID_IAAXControllerV1);
    mIControllerV2.QueryOfferedFrom (hostController, IID_IAAXControllerV2);
    mIControllerV3.QueryOfferedFrom (hostController, IID_IAAXControllerV3);
    mIPageTableController.QueryOfferedFrom (hostController, IID_IAAXPageTableController);
    mIPageTableControllerV2.QueryOfferedFrom (hostController, IID_IAAXPageTableControllerV2);

    // Only the table copies use the factory; without one they run without a prepared table.
    AAX_CHostInterfaceRef<IACFComponentFactory> factory;

    if (factory.QueryOfferedFrom (hostController, IID_IACFComponentFactory))
        mComponentFactory.TakeFrom (factory);
}

AAX_VController::~AAX_VController() = default;

AAX_Result AAX_VController::GetEffectID (AAX_IString* outEffectID) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetEffectID, outEffectID);
}

AAX_Result AAX_VController::GetSampleRate (AAX_CSampleRate* outSampleRate) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetSampleRate, outSampleRate);
}

AAX_Result AAX_VController::GetInputStemFormat (AAX_EStemFormat* outStemFormat) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetInputStemFormat, outStemFormat);
}

AAX_Result AAX_VController::GetOutputStemFormat (AAX_EStemFormat* outStemFormat) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetOutputStemFormat, outStemFormat);
}

AAX_Result AAX_VController::GetSignalLatency (int32_t* outSamples) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetSignalLatency, outSamples);
}

AAX_Result AAX_VController::GetCycleCount (AAX_EProperty whichCycleCount, AAX_CPropertyValue* outValue) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetCycleCount, whichCycleCount, outValue);
}

AAX_Result AAX_VController::GetTODLocation (int64_t* outTODLocation) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetTODLocation, outTODLocation);
}

AAX_Result AAX_VController::SetSignalLatency (int32_t samples)
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::SetSignalLatency, samples);
}

AAX_Result AAX_VController::SetCycleCount (AAX_EProperty* whichCycleCounts, AAX_CPropertyValue* values, int32_t count)
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::SetCycleCount, whichCycleCounts, values,
                                count);
}

AAX_Result AAX_VController::PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize)
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::PostPacket, fieldIndex, payload,
                                payloadSize);
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize)
{
    return mIControllerV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V2::SendNotification, notificationType,
                                  data, dataSize);
}

AAX_Result AAX_VController::GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetCurrentMeterValue, meterID, outValue);
}

AAX_Result AAX_VController::GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetMeterPeakValue, meterID, outValue);
}

AAX_Result AAX_VController::ClearMeterPeakValue (AAX_CTypeID meterID) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::ClearMeterPeakValue, meterID);
}

AAX_Result AAX_VController::GetMeterCount (uint32_t* outMeterCount) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetMeterCount, outMeterCount);
}

AAX_Result AAX_VController::GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetMeterClipped, meterID, outClipped);
}

AAX_Result AAX_VController::ClearMeterClipped (AAX_CTypeID meterID) const
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::ClearMeterClipped, meterID);
}

AAX_Result AAX_VController::GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket)
{
    return mIController.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFController::GetNextMIDIPacket, outPort, outPacket);
}

AAX_Result AAX_VController::GetHybridSignalLatency (int32_t* outSamples) const
{
    return mIControllerV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V2::GetHybridSignalLatency, outSamples);
}

AAX_Result AAX_VController::GetHostName (AAX_IString* outHostName) const
{
    return mIControllerV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V2::GetHostName, outHostName);
}

AAX_Result AAX_VController::GetPlugInTargetPlatform (int32_t* outTargetPlatform) const
{
    return mIControllerV3.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V3::GetPlugInTargetPlatform,
                                  outTargetPlatform);
}

AAX_Result AAX_VController::GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const
{
    return mIControllerV3.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V3::GetIsAudioSuite, outIsAudioSuite);
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID notificationType)
{
    return SendNotification (notificationType, nullptr, 0);
}

AAX_Result AAX_VController::GetCurrentAutomationTimestamp (int64_t* outTimestamp) const
{
    if (!mIControllerV2)
    {
        if (outTimestamp != nullptr)
            *outTimestamp = 0;

        return AAX_ERROR_UNIMPLEMENTED;
    }

    return mIControllerV2->GetCurrentAutomationTimestamp (outTimestamp);
}

//==============================================================================
/*  A table copy hands the host an empty page table, made through the host's component factory, to fill. Every
    failure ends in a null result; the caller owns the wrapper it gets otherwise.
*/
template <typename CopyCall>
AAX_VPageTable* AAX_VController::CreateTableCopy (CopyCall&& callHost) const
{
    AAX_CHostInterfaceRef<AAX_IACFPageTable_V2> table;

    if (mComponentFactory)
    {
        void* created = nullptr;

        if (mComponentFactory->CreateComponent (AAXCompID_PageTable, nullptr, IID_IAAXPageTableV2, &created) ==
            AAX_SUCCESS)
            table.Adopt (static_cast<AAX_IACFPageTable_V2*> (created));
        else if (created != nullptr)
            static_cast<IACFUnknown*> (created)->Release();
    }

    if (callHost (static_cast<IACFUnknown*> (table.Get())) != AAX_SUCCESS || table.Get() == nullptr)
        return nullptr;

    return new AAX_VPageTable (table.Get());
}

AAX_VPageTable* AAX_VController::CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID,
                                                           AAX_CPropertyValue productID, AAX_CPropertyValue plugInID,
                                                           uint32_t tableType, int32_t tablePageSize) const
{
    if (!mIPageTableController)
        return nullptr;

    return CreateTableCopy (
        [&] (IACFUnknown* table)
        {
            return mIPageTableController->CopyTableForEffect (manufacturerID, productID, plugInID, tableType,
                                                              tablePageSize, table);
        });
}

AAX_VPageTable* AAX_VController::CreateTableCopyForLayout (const char* effectID, const char* layoutName,
                                                           uint32_t tableType, int32_t tablePageSize) const
{
    if (!mIPageTableController)
        return nullptr;

    return CreateTableCopy (
        [&] (IACFUnknown* table)
        { return mIPageTableController->CopyTableForLayout (effectID, layoutName, tableType, tablePageSize, table); });
}

AAX_VPageTable* AAX_VController::CreateTableCopyForEffectFromFile (
    const char* filePath, AAX_ETextEncoding filePathEncoding, AAX_CPropertyValue manufacturerID,
    AAX_CPropertyValue productID, AAX_CPropertyValue plugInID, uint32_t tableType, int32_t tablePageSize) const
{
    if (!mIPageTableControllerV2)
        return nullptr;

    return CreateTableCopy (
        [&] (IACFUnknown* table)
        {
            return mIPageTableControllerV2->CopyTableForEffectFromFile (
                filePath, filePathEncoding, manufacturerID, productID, plugInID, tableType, tablePageSize, table);
        });
}

AAX_VPageTable* AAX_VController::CreateTableCopyForLayoutFromFile (const char* filePath,
                                                                   AAX_ETextEncoding filePathEncoding,
                                                                   const char* layoutName, uint32_t tableType,
                                                                   int32_t tablePageSize) const
{
    if (!mIPageTableControllerV2)
        return nullptr;

    return CreateTableCopy (
        [&] (IACFUnknown* table)
        {
            return mIPageTableControllerV2->CopyTableForLayoutFromFile (filePath, filePathEncoding, layoutName,
                                                                        tableType, tablePageSize, table);
        });
}
