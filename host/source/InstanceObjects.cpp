#include "InstanceObjects.h"

#include <AAX_Errors.h>
#include <AAX_IString.h>
#include <AAX_UIDs.h>

#include <cmath>
#include <cstring>

namespace aaxhost
{
namespace
{
    constexpr int64_t ticksPerQuarter = 960000;
}

const char* toString (AutomationEvent::Kind kind) noexcept
{
    switch (kind)
    {
        case AutomationEvent::Kind::registerParameter:
            return "register";
        case AutomationEvent::Kind::unregisterParameter:
            return "unregister";
        case AutomationEvent::Kind::touch:
            return "touch";
        case AutomationEvent::Kind::setValueRequest:
            return "set";
        case AutomationEvent::Kind::currentValue:
            return "current";
        case AutomationEvent::Kind::release:
            return "release";
    }

    return "?";
}

//==============================================================================
HostController::HostController (std::shared_ptr<InstanceState> instanceState, int numVersions)
    : HostObject (firstVersions ({IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3}, numVersions))
    , state (std::move (instanceState))
{
}

AAX_Result HostController::GetEffectID (AAX_IString* outEffectID)
{
    if (outEffectID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    outEffectID->Set (state->effectID.c_str());
    return AAX_SUCCESS;
}

AAX_Result HostController::GetSampleRate (AAX_CSampleRate* outSampleRate)
{
    if (outSampleRate == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outSampleRate = state->sampleRate;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetInputStemFormat (AAX_EStemFormat* outStemFormat)
{
    if (outStemFormat == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outStemFormat = state->inputStemFormat;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetOutputStemFormat (AAX_EStemFormat* outStemFormat)
{
    if (outStemFormat == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outStemFormat = state->outputStemFormat;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetSignalLatency (int32_t* outSamples)
{
    if (outSamples == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outSamples = state->signalLatency.load();
    return AAX_SUCCESS;
}

AAX_Result HostController::GetCycleCount (AAX_EProperty, AAX_CPropertyValue* outValue)
{
    if (outValue == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outValue = 0; // no DSP cycle budget on a native host
    return AAX_SUCCESS;
}

AAX_Result HostController::GetTODLocation (int64_t* outTODLocation)
{
    if (outTODLocation == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTODLocation = state->samplePosition.load();
    return AAX_SUCCESS;
}

AAX_Result HostController::SetSignalLatency (int32_t samples)
{
    if (samples < 0)
        return AAX_ERROR_INVALID_ARGUMENT;

    state->signalLatency = samples;
    return AAX_SUCCESS;
}

AAX_Result HostController::SetCycleCount (AAX_EProperty*, AAX_CPropertyValue*, int32_t)
{
    return AAX_SUCCESS; // cycle counts only matter to DSP hosts
}

AAX_Result HostController::PostPacket (AAX_CFieldIndex fieldIndex, const void* payload, uint32_t payloadSize)
{
    if (payload == nullptr && payloadSize > 0)
        return AAX_ERROR_NULL_ARGUMENT;

    const std::lock_guard<std::mutex> guard (state->packetLock);
    const auto port = state->portSizes.find (fieldIndex);

    // Only the data-in ports of the context take packets, and no packet may be larger than its port.
    if (port == state->portSizes.end())
        return AAX_ERROR_INVALID_FIELD_INDEX;

    if (payloadSize > port->second)
        return AAX_ERROR_POST_PACKET_FAILED;

    const auto* bytes = static_cast<const uint8_t*> (payload);
    state->pendingPackets[fieldIndex].assign (bytes, bytes + payloadSize);
    return AAX_SUCCESS;
}

// This host describes no meters to the plug-in's data model: every meter query names an unknown meter.
AAX_Result HostController::GetCurrentMeterValue (AAX_CTypeID, float*)
{
    return AAX_ERROR_INVALID_METER_INDEX;
}
AAX_Result HostController::GetMeterPeakValue (AAX_CTypeID, float*)
{
    return AAX_ERROR_INVALID_METER_INDEX;
}
AAX_Result HostController::ClearMeterPeakValue (AAX_CTypeID)
{
    return AAX_ERROR_INVALID_METER_INDEX;
}
AAX_Result HostController::GetMeterClipped (AAX_CTypeID, AAX_CBoolean*)
{
    return AAX_ERROR_INVALID_METER_INDEX;
}
AAX_Result HostController::ClearMeterClipped (AAX_CTypeID)
{
    return AAX_ERROR_INVALID_METER_INDEX;
}

AAX_Result HostController::GetMeterCount (uint32_t* outMeterCount)
{
    if (outMeterCount == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outMeterCount = 0;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*)
{
    return AAX_ERROR_UNIMPLEMENTED; // no MIDI on this host
}

AAX_Result HostController::SendNotification (AAX_CTypeID, const void*, uint32_t)
{
    return AAX_SUCCESS; // the host takes note and has nothing to do
}

AAX_Result HostController::GetHybridSignalLatency (int32_t* outSamples)
{
    if (outSamples == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outSamples = 0;
    return AAX_SUCCESS;
}

AAX_Result HostController::GetCurrentAutomationTimestamp (int64_t* outTimestamp)
{
    if (outTimestamp == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTimestamp = state->samplePosition.load();
    return AAX_SUCCESS;
}

AAX_Result HostController::GetHostName (AAX_IString* outHostName)
{
    if (outHostName == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    outHostName->Set (state->hostState.options.hostName.c_str());
    return AAX_SUCCESS;
}

AAX_Result HostController::GetPlugInTargetPlatform (int32_t* outTargetPlatform)
{
    if (outTargetPlatform == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTargetPlatform = 1; // native
    return AAX_SUCCESS;
}

AAX_Result HostController::GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite)
{
    if (outIsAudioSuite == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outIsAudioSuite = 0; // every instance of this host runs in real time
    return AAX_SUCCESS;
}

//==============================================================================
HostAutomationDelegate::HostAutomationDelegate (std::shared_ptr<InstanceState> instanceState)
    : HostObject ({IID_IAAXAutomationDelegateV1})
    , state (std::move (instanceState))
{
}

AAX_Result HostAutomationDelegate::record (AutomationEvent::Kind kind, AAX_CParamID parameterID, double value)
{
    if (parameterID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const std::lock_guard<std::mutex> guard (state->automationLock);
    state->automationEvents.push_back ({kind, parameterID, value});

    switch (kind)
    {
        case AutomationEvent::Kind::setValueRequest:
            state->pendingSetRequests.emplace_back (parameterID, value);
            break;
        case AutomationEvent::Kind::touch:
            state->touched[parameterID] = true;
            break;
        case AutomationEvent::Kind::release:
            state->touched[parameterID] = false;
            break;
        case AutomationEvent::Kind::unregisterParameter:
            state->touched.erase (parameterID);
            break;
        case AutomationEvent::Kind::registerParameter:
        case AutomationEvent::Kind::currentValue:
            break;
    }

    return AAX_SUCCESS;
}

AAX_Result HostAutomationDelegate::RegisterParameter (AAX_CParamID parameterID)
{
    return record (AutomationEvent::Kind::registerParameter, parameterID);
}

AAX_Result HostAutomationDelegate::UnregisterParameter (AAX_CParamID parameterID)
{
    return record (AutomationEvent::Kind::unregisterParameter, parameterID);
}

AAX_Result HostAutomationDelegate::PostSetValueRequest (AAX_CParamID parameterID, double normalizedValue)
{
    return record (AutomationEvent::Kind::setValueRequest, parameterID, normalizedValue);
}

AAX_Result HostAutomationDelegate::PostCurrentValue (AAX_CParamID parameterID, double normalizedValue)
{
    return record (AutomationEvent::Kind::currentValue, parameterID, normalizedValue);
}

AAX_Result HostAutomationDelegate::PostTouchRequest (AAX_CParamID parameterID)
{
    return record (AutomationEvent::Kind::touch, parameterID);
}

AAX_Result HostAutomationDelegate::PostReleaseRequest (AAX_CParamID parameterID)
{
    return record (AutomationEvent::Kind::release, parameterID);
}

AAX_Result HostAutomationDelegate::GetTouchState (AAX_CParamID parameterID, AAX_CBoolean* outTouched)
{
    if (parameterID == nullptr || outTouched == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const std::lock_guard<std::mutex> guard (state->automationLock);
    const auto found = state->touched.find (parameterID);
    *outTouched = (found != state->touched.end() && found->second) ? 1 : 0;
    return AAX_SUCCESS;
}

//==============================================================================
HostTransport::HostTransport (std::shared_ptr<InstanceState> instanceState, int numVersions)
    : HostObject (firstVersions ({IID_IAAXTransportV1, IID_IAAXTransportV2, IID_IAAXTransportV3}, numVersions))
    , state (std::move (instanceState))
{
}

int64_t HostTransport::ticksAt (int64_t sampleLocation) const noexcept
{
    const auto quarters = (double)sampleLocation / (double)state->sampleRate * state->tempo / 60.0;
    return (int64_t)std::llround (quarters * (double)ticksPerQuarter);
}

AAX_Result HostTransport::GetCurrentTempo (double* outTempo)
{
    if (outTempo == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTempo = state->tempo;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator)
{
    if (outNumerator == nullptr || outDenominator == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outNumerator = state->meterNumerator;
    *outDenominator = state->meterDenominator;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::IsTransportPlaying (bool* outIsPlaying)
{
    if (outIsPlaying == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outIsPlaying = false;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentTickPosition (int64_t* outTickPosition)
{
    if (outTickPosition == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTickPosition = ticksAt (state->samplePosition.load());
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick, int64_t* outLoopEndTick)
{
    if (outLooping == nullptr || outLoopStartTick == nullptr || outLoopEndTick == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outLooping = false;
    *outLoopStartTick = 0;
    *outLoopEndTick = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentNativeSampleLocation (int64_t* outSampleLocation)
{
    if (outSampleLocation == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outSampleLocation = state->samplePosition.load();
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation)
{
    if (outTickPosition == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTickPosition = ticksAt (sampleLocation);
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                              int64_t sampleLocation)
{
    if (outBars == nullptr || outBeats == nullptr || outDisplayTicks == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    const auto ticksPerBeat = ticksPerQuarter * 4 / state->meterDenominator;
    const auto ticks = std::max<int64_t> (0, ticksAt (sampleLocation));
    const auto beats = ticks / ticksPerBeat;

    *outBars = (int32_t)(beats / state->meterNumerator) + 1;
    *outBeats = (int32_t)(beats % state->meterNumerator) + 1;
    *outDisplayTicks = ticks % ticksPerBeat;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetTicksPerQuarter (uint32_t* outTicks)
{
    if (outTicks == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTicks = (uint32_t)ticksPerQuarter;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetCurrentTicksPerBeat (uint32_t* outTicks)
{
    if (outTicks == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outTicks = (uint32_t)(ticksPerQuarter * 4 / state->meterDenominator);
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetTimelineSelectionStartPosition (int64_t* outSampleLocation)
{
    if (outSampleLocation == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outSampleLocation = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset)
{
    if (outFrameRate == nullptr || outOffset == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outFrameRate = AAX_eFrameRate_Undeclared;
    *outOffset = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset)
{
    if (outFeetFramesRate == nullptr || outOffset == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outFeetFramesRate = AAX_eFeetFramesRate_24;
    *outOffset = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::IsMetronomeEnabled (int32_t* outIsEnabled)
{
    if (outIsEnabled == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outIsEnabled = 0;
    return AAX_SUCCESS;
}

AAX_Result HostTransport::GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset)
{
    if (outFrameRate == nullptr || outOffset == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *outFrameRate = AAX_eFrameRate_Undeclared;
    *outOffset = 0;
    return AAX_SUCCESS;
}

//==============================================================================
InstanceContext::InstanceContext (std::shared_ptr<InstanceState> state, ComPtr<IACFUnknown> componentFactory)
    : HostObject ({})
    , answersWithNull (state->hostState.options.instanceAnswersWithNull)
    , controller (ComPtr<IACFUnknown>::share (new HostController (state, state->hostState.options.controllerVersions)))
    , automationDelegate (state->hostState.options.offerAutomationDelegate
                              ? ComPtr<IACFUnknown>::share (new HostAutomationDelegate (state))
                              : ComPtr<IACFUnknown>())
    , transport (ComPtr<IACFUnknown>::share (new HostTransport (state, state->hostState.options.transportVersions)))
    , factory (std::move (componentFactory))
{
}

ACFRESULT InstanceContext::QueryInterface (acfIID interfaceID, void** out)
{
    if (out == nullptr)
        return ACF_E_POINTER;

    *out = nullptr;

    if (interfaceID == IID_IACFUnknown)
        return HostObject::QueryInterface (interfaceID, out);

    if (answersWithNull)
        return ACF_OK;

    // Each host object answers only the versions it was made with; the first that answers wins.
    for (auto* object : {controller.get(), automationDelegate.get(), transport.get(), factory.get()})
        if (object != nullptr && object->QueryInterface (interfaceID, out) == ACF_OK)
            return ACF_OK;

    if (dataModel != nullptr && dataModel->QueryInterface (interfaceID, out) == ACF_OK)
        return ACF_OK;

    return HostObject::QueryInterface (interfaceID, out);
}
}
