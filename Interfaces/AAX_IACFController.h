#ifndef AAX_IACFCONTROLLER_H
#define AAX_IACFCONTROLLER_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"

class AAX_IString;

/** The host's controller of one plug-in instance, version 1 (IID_IAAXControllerV1). */
class AAX_IACFController : public IACFUnknown
{
public:
    virtual AAX_Result GetEffectID (AAX_IString* outEffectID) = 0;                                      // position 3
    virtual AAX_Result GetSampleRate (AAX_CSampleRate* outSampleRate) = 0;                              // position 4
    virtual AAX_Result GetInputStemFormat (AAX_EStemFormat* outStemFormat) = 0;                         // position 5
    virtual AAX_Result GetOutputStemFormat (AAX_EStemFormat* outStemFormat) = 0;                        // position 6
    virtual AAX_Result GetSignalLatency (int32_t* outSamples) = 0;                                      // position 7
    virtual AAX_Result GetCycleCount (AAX_EProperty whichCycleCount, AAX_CPropertyValue* outValue) = 0; // position 8
    virtual AAX_Result GetTODLocation (int64_t* outTODLocation) = 0;                                    // position 9
    virtual AAX_Result SetSignalLatency (int32_t samples) = 0;                                          // position 10
    virtual AAX_Result SetCycleCount (AAX_EProperty* whichCycleCounts, AAX_CPropertyValue* values,
                                      int32_t count) = 0; // position 11
    virtual AAX_Result PostPacket (AAX_CFieldIndex fieldIndex, const void* payload,
                                   uint32_t payloadSize) = 0;                                        // position 12
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) = 0;              // position 13
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) = 0;                 // position 14
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) = 0;                                // position 15
    virtual AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) = 0;          // position 16
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID meterID) = 0;                                  // position 17
    virtual AAX_Result GetMeterCount (uint32_t* outMeterCount) = 0;                                  // position 18
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) = 0; // position 19

protected:
    ~AAX_IACFController() = default;
};

/** Version 2 (IID_IAAXControllerV2). */
class AAX_IACFController_V2 : public AAX_IACFController
{
public:
    virtual AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data,
                                         uint32_t dataSize) = 0;                  // position 20
    virtual AAX_Result GetHybridSignalLatency (int32_t* outSamples) = 0;          // position 21
    virtual AAX_Result GetCurrentAutomationTimestamp (int64_t* outTimestamp) = 0; // position 22
    virtual AAX_Result GetHostName (AAX_IString* outHostName) = 0;                // position 23

protected:
    ~AAX_IACFController_V2() = default;
};

/** Version 3 (IID_IAAXControllerV3). */
class AAX_IACFController_V3 : public AAX_IACFController_V2
{
public:
    virtual AAX_Result GetPlugInTargetPlatform (int32_t* outTargetPlatform) = 0; // position 24
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) = 0;      // position 25

protected:
    ~AAX_IACFController_V3() = default;
};

#endif
