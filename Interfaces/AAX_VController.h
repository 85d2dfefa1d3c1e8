#ifndef AAX_VCONTROLLER_H
#define AAX_VCONTROLLER_H

#include "AAX_IController.h"
#include "AAX_IACFController.h"
#include "AAX_IACFPageTable.h"
#include "AAX_VPageTable.h"
#include "AAX_CHostInterfaceRef.h"

/** The host's controller of one plug-in instance. Operations go to the lowest host version that has them. */
class AAX_VController : public AAX_IController
{
public:
    /** Queries the controller versions, the page-table controller versions and the component factory from
        `hostController` (may be null).
    */
    explicit AAX_VController (IACFUnknown* hostController);
    ~AAX_VController() override;

    AAX_Result GetEffectID (AAX_IString* outEffectID) const override;
    AAX_Result GetSampleRate (AAX_CSampleRate* outSampleRate) const override;
    AAX_Result GetInputStemFormat (AAX_EStemFormat* outStemFormat) const override;
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* outStemFormat) const override;
    AAX_Result GetSignalLatency (int32_t* outSamples) const override;
    AAX_Result GetCycleCount (AAX_EProperty whichCycleCount, AAX_CPropertyValue* outValue) const override;
    AAX_Result GetTODLocation (int64_t* outTODLocation) const override;
    AAX_Result SetSignalLatency (int32_t samples) override;
    AAX_Result SetCycleCount (AAX_EProperty* whichCycleCounts, AAX_CPropertyValue* values, int32_t count) override;
    AAX_Result PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize) override;
    AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize) override;
    AAX_Result SendNotification (AAX_CTypeID notificationType) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) const override;
    AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) const override;
    AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) const override;
    AAX_Result GetMeterCount (uint32_t* outMeterCount) const override;
    AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) const override;
    AAX_Result ClearMeterClipped (AAX_CTypeID meterID) const override;
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) override;
    AAX_Result GetHybridSignalLatency (int32_t* outSamples) const override;
    AAX_Result GetCurrentAutomationTimestamp (int64_t* outTimestamp) const override;
    AAX_Result GetHostName (AAX_IString* outHostName) const override;
    AAX_Result GetPlugInTargetPlatform (int32_t* outTargetPlatform) const override;
    AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const override;

    AAX_VPageTable* CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                              AAX_CPropertyValue plugInID, uint32_t tableType,
                                              int32_t tablePageSize) const override;
    AAX_VPageTable* CreateTableCopyForLayout (const char* effectID, const char* layoutName, uint32_t tableType,
                                              int32_t tablePageSize) const override;
    AAX_VPageTable* CreateTableCopyForEffectFromFile (const char* filePath, AAX_ETextEncoding filePathEncoding,
                                                      AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                      AAX_CPropertyValue plugInID, uint32_t tableType,
                                                      int32_t tablePageSize) const override;
    AAX_VPageTable* CreateTableCopyForLayoutFromFile (const char* filePath, AAX_ETextEncoding filePathEncoding,
                                                      const char* layoutName, uint32_t tableType,
                                                      int32_t tablePageSize) const override;

private:
    template <typename CopyCall>
    AAX_VPageTable* CreateTableCopy (CopyCall&& callHost) const;

    // The host sees these released in reverse order of declaration, so keep the order: factory, page-table controller
    // V2 and V1, controller V3, V2 and V1.
    AAX_CHostInterfaceRef<AAX_IACFController> mIController;
    AAX_CHostInterfaceRef<AAX_IACFController_V2> mIControllerV2;
    AAX_CHostInterfaceRef<AAX_IACFController_V3> mIControllerV3;
    AAX_CHostInterfaceRef<AAX_IACFPageTableController> mIPageTableController;
    AAX_CHostInterfaceRef<AAX_IACFPageTableController_V2> mIPageTableControllerV2;
    AAX_CHostInterfaceRef<IACFComponentFactory> mComponentFactory;
};

#endif
