#include "AAX_VTransport.h"

#include "AAX_Errors.h"
#include "AAX_UIDs.h"

AAX_VTransport::AAX_VTransport (IACFUnknown* hostObject)
{
    mITransport.QueryOfferedFrom (hostObject, IID_IAAXTransportV1);
    mITransportV2.QueryOfferedFrom (hostObject, IID_IAAXTransportV2);
    mITransportV3.QueryOfferedFrom (hostObject, IID_IAAXTransportV3);
}

AAX_VTransport::~AAX_VTransport() = default;

AAX_Result AAX_VTransport::GetCurrentTempo (double* outTempo) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetCurrentTempo, outTempo);
}

AAX_Result AAX_VTransport::GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetCurrentMeter, outNumerator,
                               outDenominator);
}

AAX_Result AAX_VTransport::IsTransportPlaying (bool* outIsPlaying) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::IsTransportPlaying, outIsPlaying);
}

AAX_Result AAX_VTransport::GetCurrentTickPosition (int64_t* outTickPosition) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetCurrentTickPosition, outTickPosition);
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick,
                                                   int64_t* outLoopEndTick) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetCurrentLoopPosition, outLooping,
                               outLoopStartTick, outLoopEndTick);
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation (int64_t* outSampleLocation) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetCurrentNativeSampleLocation,
                               outSampleLocation);
}

AAX_Result AAX_VTransport::GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetCustomTickPosition, outTickPosition,
                               sampleLocation);
}

AAX_Result AAX_VTransport::GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                               int64_t sampleLocation) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetBarBeatPosition, outBars, outBeats,
                               outDisplayTicks, sampleLocation);
}

AAX_Result AAX_VTransport::GetTicksPerQuarter (uint32_t* outTicks) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetTicksPerQuarter, outTicks);
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat (uint32_t* outTicks) const
{
    return mITransport.CallOr (AAX_ERROR_NULL_OBJECT, &AAX_IACFTransport::GetCurrentTicksPerBeat, outTicks);
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition (int64_t* outSampleLocation) const
{
    return mITransportV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V2::GetTimelineSelectionStartPosition,
                                 outSampleLocation);
}

AAX_Result AAX_VTransport::GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset) const
{
    return mITransportV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V2::GetTimeCodeInfo, outFrameRate,
                                 outOffset);
}

AAX_Result AAX_VTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset) const
{
    return mITransportV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V2::GetFeetFramesInfo, outFeetFramesRate,
                                 outOffset);
}

AAX_Result AAX_VTransport::IsMetronomeEnabled (int32_t* outIsEnabled) const
{
    return mITransportV2.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V2::IsMetronomeEnabled, outIsEnabled);
}

AAX_Result AAX_VTransport::GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset) const
{
    return mITransportV3.CallOr (AAX_ERROR_UNIMPLEMENTED, &AAX_IACFTransport_V3::GetHDTimeCodeInfo, outFrameRate,
                                 outOffset);
}
