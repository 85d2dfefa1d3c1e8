#include "ClipKernels.h"

#include <algorithm>
#include <cmath>

#if JUCE_USE_SSE_INTRINSICS
#include <emmintrin.h>
#endif

namespace Utility
{
// The steady-state forms below compute bit for bit what the per-sample code computes (the same
// single-precision operations in the same order, selections made with masks instead of
// branches), four samples at a time where SSE is available.
namespace
{
#if JUCE_USE_SSE_INTRINSICS
    struct ClipConstants
    {
        ClipConstants (float driveGain, float kneeWidth) noexcept
            : gain (_mm_set1_ps (driveGain))
            , knee (_mm_set1_ps (kneeWidth))
            , kneeTimesFour (_mm_set1_ps (kneeWidth * 4.0f))
            , kneeStart (_mm_set1_ps (1.0f - kneeWidth))
            , kneeEnd (_mm_set1_ps (1.0f + kneeWidth))
        {
        }

        const __m128 gain, knee, kneeTimesFour, kneeStart, kneeEnd;
        const __m128 zero = _mm_setzero_ps();
        const __m128 one = _mm_set1_ps (1.0f);
        const __m128 minusOne = _mm_set1_ps (-1.0f);
        const __m128 signBit = _mm_set1_ps (-0.0f);
    };

    inline __m128 select (__m128 mask, __m128 ifTrue, __m128 ifFalse) noexcept
    {
        return _mm_or_ps (_mm_and_ps (mask, ifTrue), _mm_andnot_ps (mask, ifFalse));
    }

    inline __m128 clipFourSamples (__m128 samples, const ClipConstants& c, float* overshoots) noexcept
    {
        const auto x = _mm_mul_ps (samples, c.gain);

        // min (0, 1 - x): the second operand wins unless the first is smaller, as in std::min.
        _mm_storeu_ps (overshoots, _mm_min_ps (_mm_sub_ps (c.one, x), c.zero));

        const auto a = _mm_andnot_ps (c.signBit, x);
        const auto belowKnee = _mm_cmple_ps (a, c.kneeStart);
        const auto aboveKnee = _mm_cmpge_ps (a, c.kneeEnd);
        auto y = select (belowKnee, a, c.one);

        // The division is the expensive part; it is needed only when a sample lies in the knee (or is
        // NaN, which lies nowhere).
        if (_mm_movemask_ps (_mm_or_ps (belowKnee, aboveKnee)) != 0xf)
        {
            const auto distance = _mm_add_ps (_mm_sub_ps (a, c.knee), c.minusOne);
            const auto bent = _mm_sub_ps (c.one, _mm_div_ps (_mm_mul_ps (distance, distance), c.kneeTimesFour));
            y = select (belowKnee, a, select (aboveKnee, c.one, bent));
        }

        const auto sign =
            _mm_or_ps (_mm_and_ps (_mm_cmpgt_ps (x, c.zero), c.one), _mm_and_ps (_mm_cmplt_ps (x, c.zero), c.minusOne));

        return _mm_mul_ps (y, sign);
    }
#endif
}

// The clipping stage for one channel with a fixed drive and knee.
void clipChannel (float* samples, float* overshoots, size_t numSamples, float gain, float knee) noexcept
{
    size_t i = 0;

#if JUCE_USE_SSE_INTRINSICS
    const ClipConstants constants (gain, knee);

    for (; i + 4 <= numSamples; i += 4)
        _mm_storeu_ps (samples + i, clipFourSamples (_mm_loadu_ps (samples + i), constants, overshoots + i));
#endif

    for (; i < numSamples; ++i)
        samples[i] = clipSample (samples[i] * gain, knee, overshoots[i]);
}

// Limits every sample to -1..+1: first the smaller of the sample and +1, then the larger of that
// and -1, with std::min's and std::max's choice of operand.
void limitToUnity (float* samples, int numSamples) noexcept
{
    int i = 0;

#if JUCE_USE_SSE_INTRINSICS
    const auto one = _mm_set1_ps (1.0f);
    const auto minusOne = _mm_set1_ps (-1.0f);

    for (; i + 4 <= numSamples; i += 4)
        _mm_storeu_ps (samples + i, _mm_max_ps (minusOne, _mm_min_ps (one, _mm_loadu_ps (samples + i))));
#endif

    for (; i < numSamples; ++i)
        samples[i] = std::max (std::min (samples[i], 1.0f), -1.0f);
}

// The root-mean-square level of one channel, 0 where there is nothing to measure. Each square is
// taken in single precision and summed in double precision; sixteen running sums instead of one
// let the additions overlap (the order of the additions only moves the double's last bits).
float rmsLevel (const juce::AudioBuffer<float>& buffer, int channel, int numSamples) noexcept
{
    if (numSamples < 1 || !juce::isPositiveAndBelow (channel, buffer.getNumChannels()) || buffer.hasBeenCleared())
        return 0.0f;

    const auto* samples = buffer.getReadPointer (channel);
    constexpr int numSums = 16;
    double sums[numSums]{};
    int i = 0;

#if JUCE_USE_SSE_INTRINSICS
    // Sum j takes the squares of samples j, j + 16, j + 32, ...: two sums per register.
    __m128d lanes[numSums / 2]{};

    for (; i + numSums <= numSamples; i += numSums)
        for (int quad = 0; quad < numSums / 4; ++quad)
        {
            const auto four = _mm_loadu_ps (samples + i + 4 * quad);
            const auto squares = _mm_mul_ps (four, four);
            lanes[2 * quad] = _mm_add_pd (lanes[2 * quad], _mm_cvtps_pd (squares));
            lanes[2 * quad + 1] = _mm_add_pd (lanes[2 * quad + 1], _mm_cvtps_pd (_mm_movehl_ps (squares, squares)));
        }

    for (int pair = 0; pair < numSums / 2; ++pair)
        _mm_storeu_pd (sums + 2 * pair, lanes[pair]);
#else
    for (; i + numSums <= numSamples; i += numSums)
        for (int lane = 0; lane < numSums; ++lane)
        {
            const auto sample = samples[i + lane];
            sums[lane] += (double)(sample * sample);
        }
#endif

    for (; i < numSamples; ++i)
    {
        const auto sample = samples[i];
        sums[0] += (double)(sample * sample);
    }

    auto sum = 0.0;

    for (const auto partialSum : sums)
        sum += partialSum;

    return static_cast<float> (std::sqrt (sum / numSamples));
}
}
