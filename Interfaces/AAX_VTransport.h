#ifndef AAX_VTRANSPORT_H
#define AAX_VTRANSPORT_H

#include "AAX_ITransport.h"
#include "AAX_IACFTransport.h"
#include "AAX_CHostInterfaceRef.h"

/** The host's transport. Operations go to the lowest host version that has them. */
class AAX_VTransport : public AAX_ITransport
{
public:
    /** Queries transport versions 1 to 3 from `hostObject` (may be null). */
    explicit AAX_VTransport (IACFUnknown* hostObject);
    ~AAX_VTransport() override;

    AAX_Result GetCurrentTempo (double* outTempo) const override;
    AAX_Result GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) const override;
    AAX_Result IsTransportPlaying (bool* outIsPlaying) const override;
    AAX_Result GetCurrentTickPosition (int64_t* outTickPosition) const override;
    AAX_Result GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick,
                                       int64_t* outLoopEndTick) const override;
    AAX_Result GetCurrentNativeSampleLocation (int64_t* outSampleLocation) const override;
    AAX_Result GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation) const override;
    AAX_Result GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                   int64_t sampleLocation) const override;
    AAX_Result GetTicksPerQuarter (uint32_t* outTicks) const override;
    AAX_Result GetCurrentTicksPerBeat (uint32_t* outTicks) const override;
    AAX_Result GetTimelineSelectionStartPosition (int64_t* outSampleLocation) const override;
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset) const override;
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset) const override;
    AAX_Result IsMetronomeEnabled (int32_t* outIsEnabled) const override;
    AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset) const override;

private:
    // The host sees these released in reverse order of declaration, so keep the order: versions 3, 2 and 1.
    AAX_CHostInterfaceRef<AAX_IACFTransport> mITransport;
    AAX_CHostInterfaceRef<AAX_IACFTransport_V2> mITransportV2;
    AAX_CHostInterfaceRef<AAX_IACFTransport_V3> mITransportV3;
};

#endif
