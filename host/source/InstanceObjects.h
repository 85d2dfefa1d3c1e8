#pragma once

#include "ComPtr.h"
#include "HostObject.h"
#include "InstanceState.h"

#include <AAX_IACFAutomationDelegate.h>
#include <AAX_IACFController.h>
#include <AAX_IACFTransport.h>

#include <memory>

namespace aaxhost
{
/** The host's controller of one instance: sample rate, stem formats, latency and packet delivery. */
class HostController final : public HostObject<AAX_IACFController_V3>
{
public:
    HostController (std::shared_ptr<InstanceState> state, int numVersions);

    AAX_Result GetEffectID (AAX_IString* outEffectID) override;
    AAX_Result GetSampleRate (AAX_CSampleRate* outSampleRate) override;
    AAX_Result GetInputStemFormat (AAX_EStemFormat* outStemFormat) override;
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* outStemFormat) override;
    AAX_Result GetSignalLatency (int32_t* outSamples) override;
    AAX_Result GetCycleCount (AAX_EProperty whichCycleCount, AAX_CPropertyValue* outValue) override;
    AAX_Result GetTODLocation (int64_t* outTODLocation) override;
    AAX_Result SetSignalLatency (int32_t samples) override;
    AAX_Result SetCycleCount (AAX_EProperty* whichCycleCounts, AAX_CPropertyValue* values, int32_t count) override;
    AAX_Result PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID meterID, float* outValue) override;
    AAX_Result GetMeterPeakValue (AAX_CTypeID meterID, float* outValue) override;
    AAX_Result ClearMeterPeakValue (AAX_CTypeID meterID) override;
    AAX_Result GetMeterClipped (AAX_CTypeID meterID, AAX_CBoolean* outClipped) override;
    AAX_Result ClearMeterClipped (AAX_CTypeID meterID) override;
    AAX_Result GetMeterCount (uint32_t* outMeterCount) override;
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) override;
    AAX_Result SendNotification (AAX_CTypeID notificationType, const void* data, uint32_t dataSize) override;
    AAX_Result GetHybridSignalLatency (int32_t* outSamples) override;
    AAX_Result GetCurrentAutomationTimestamp (int64_t* outTimestamp) override;
    AAX_Result GetHostName (AAX_IString* outHostName) override;
    AAX_Result GetPlugInTargetPlatform (int32_t* outTargetPlatform) override;
    AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) override;

private:
    const std::shared_ptr<InstanceState> state;
};

/** The host's automation delegate: records every request and, like a real host, queues each set-value
    request for the host to confirm with UpdateParameterNormalizedValue.
*/
class HostAutomationDelegate final : public HostObject<AAX_IACFAutomationDelegate>
{
public:
    explicit HostAutomationDelegate (std::shared_ptr<InstanceState> state);

    AAX_Result RegisterParameter (AAX_CParamID parameterID) override;
    AAX_Result UnregisterParameter (AAX_CParamID parameterID) override;
    AAX_Result PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue) override;
    AAX_Result PostCurrentValue (AAX_CParamID parameterID, double normalizedValue) override;
    AAX_Result PostTouchRequest (AAX_CParamID parameterID) override;
    AAX_Result PostReleaseRequest (AAX_CParamID parameterID) override;
    AAX_Result GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* outTouched) override;

private:
    AAX_Result record (AutomationEvent::Kind kind, AAX_CParamID parameterID, double value = 0.0);

    const std::shared_ptr<InstanceState> state;
};

/** The host's transport: a stopped transport at 120 bpm in 4/4 whose position follows the rendered samples. */
class HostTransport final : public HostObject<AAX_IACFTransport_V3>
{
public:
    HostTransport (std::shared_ptr<InstanceState> state, int numVersions);

    AAX_Result GetCurrentTempo (double* outTempo) override;
    AAX_Result GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) override;
    AAX_Result IsTransportPlaying (bool* outIsPlaying) override;
    AAX_Result GetCurrentTickPosition (int64_t* outTickPosition) override;
    AAX_Result GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick, int64_t* outLoopEndTick) override;
    AAX_Result GetCurrentNativeSampleLocation (int64_t* outSampleLocation) override;
    AAX_Result GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation) override;
    AAX_Result GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                   int64_t sampleLocation) override;
    AAX_Result GetTicksPerQuarter (uint32_t* outTicks) override;
    AAX_Result GetCurrentTicksPerBeat (uint32_t* outTicks) override;
    AAX_Result GetTimelineSelectionStartPosition (int64_t* outSampleLocation) override;
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset) override;
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset) override;
    AAX_Result IsMetronomeEnabled (int32_t* outIsEnabled) override;
    AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset) override;

private:
    int64_t ticksAt (int64_t sampleLocation) const noexcept;

    const std::shared_ptr<InstanceState> state;
};

/** The unknown the host gives an instance's data model (and later its GUI) in Initialize: it leads to the
    instance's controller, automation delegate and transport, and to the host's component factory.
*/
class InstanceContext final : public HostObject<IACFUnknown>
{
public:
    InstanceContext (std::shared_ptr<InstanceState> state, ComPtr<IACFUnknown> componentFactory);

    ACFRESULT QueryInterface (acfIID interfaceID, void** out) override;

    /** The instance's data model, which the context also leads to (a GUI object asks it for the data model's
        parameters). Not owned: the instance clears it before it lets the data model go.
    */
    void setDataModel (IACFUnknown* newDataModel) noexcept { dataModel = newDataModel; }

private:
    IACFUnknown* dataModel = nullptr;
    const bool answersWithNull;
    const ComPtr<IACFUnknown> controller, automationDelegate, transport, factory;
};
}
