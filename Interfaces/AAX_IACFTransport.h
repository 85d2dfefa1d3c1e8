#ifndef AAX_IACFTRANSPORT_H
#define AAX_IACFTRANSPORT_H

#include "acfunknown.h"
#include "AAX.h"
#include "AAX_Enums.h"

/** The host's transport, version 1 (IID_IAAXTransportV1): tempo, meter, play state and positions. */
class AAX_IACFTransport : public IACFUnknown
{
public:
    virtual AAX_Result GetCurrentTempo (double* outTempo) = 0;                               // 3
    virtual AAX_Result GetCurrentMeter (int32_t* outNumerator, int32_t* outDenominator) = 0; // 4
    virtual AAX_Result IsTransportPlaying (bool* outIsPlaying) = 0;                          // 5
    virtual AAX_Result GetCurrentTickPosition (int64_t* outTickPosition) = 0;                // 6
    virtual AAX_Result GetCurrentLoopPosition (bool* outLooping, int64_t* outLoopStartTick,
                                               int64_t* outLoopEndTick) = 0;                         // 7
    virtual AAX_Result GetCurrentNativeSampleLocation (int64_t* outSampleLocation) = 0;              // 8
    virtual AAX_Result GetCustomTickPosition (int64_t* outTickPosition, int64_t sampleLocation) = 0; // 9
    virtual AAX_Result GetBarBeatPosition (int32_t* outBars, int32_t* outBeats, int64_t* outDisplayTicks,
                                           int64_t sampleLocation) = 0; // 10
    virtual AAX_Result GetTicksPerQuarter (uint32_t* outTicks) = 0;     // 11
    virtual AAX_Result GetCurrentTicksPerBeat (uint32_t* outTicks) = 0; // 12

protected:
    ~AAX_IACFTransport() = default;
};

/** Version 2 (IID_IAAXTransportV2). */
class AAX_IACFTransport_V2 : public AAX_IACFTransport
{
public:
    virtual AAX_Result GetTimelineSelectionStartPosition (int64_t* outSampleLocation) = 0;                 // 13
    virtual AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outFrameRate, int32_t* outOffset) = 0;             // 14
    virtual AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outFeetFramesRate, int64_t* outOffset) = 0; // 15
    virtual AAX_Result IsMetronomeEnabled (int32_t* outIsEnabled) = 0;                                     // 16

protected:
    ~AAX_IACFTransport_V2() = default;
};

/** Version 3 (IID_IAAXTransportV3). */
class AAX_IACFTransport_V3 : public AAX_IACFTransport_V2
{
public:
    virtual AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* outFrameRate, int64_t* outOffset) = 0; // 17

protected:
    ~AAX_IACFTransport_V3() = default;
};

#endif
