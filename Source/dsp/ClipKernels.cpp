#include "ClipKernels.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#if JUCE_USE_SSE_INTRINSICS
#include <emmintrin.h>
#endif

namespace Utility
{
// The steady-state forms below compute bit for bit what the per-sample code computes (the same
// single-precision operations in the same order, selections made with masks instead of
// branches), on four samples per register and several registers a turn where SSE is available.
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

    // Four samples driven into the curve: the driven values, their magnitudes, and a mask of those
    // that lie outside the knee (at or below its start, or at or above its end; a NaN lies nowhere).
    struct DrivenSamples
    {
        __m128 x, magnitude, outsideKnee;
    };

    // Drives four samples and writes their overshoots.
    inline DrivenSamples drive (const float* samples, float* overshoots, const ClipConstants& c) noexcept
    {
        const auto x = _mm_mul_ps (_mm_loadu_ps (samples), c.gain);

        // min (0, 1 - x): the second operand wins unless the first is smaller, as in std::min.
        _mm_storeu_ps (overshoots, _mm_min_ps (_mm_sub_ps (c.one, x), c.zero));

        const auto a = _mm_andnot_ps (c.signBit, x);
        return {x, a, _mm_or_ps (_mm_cmple_ps (a, c.kneeStart), _mm_cmpge_ps (a, c.kneeEnd))};
    }

    // Outside the knee the curve gives the magnitude below it and 1 above it: the smaller of the
    // magnitude and 1, since the knee's start lies at or below 1 and its end at or above.
    inline __m128 curveOutsideKnee (const DrivenSamples& driven, const ClipConstants& c) noexcept
    {
        return _mm_min_ps (driven.magnitude, c.one);
    }

    // The whole curve, the knee's parabola included. A NaN takes the parabola's value, the NaN of its
    // magnitude, as in the per-sample form.
    inline __m128 curve (const DrivenSamples& driven, const ClipConstants& c) noexcept
    {
        const auto distance = _mm_add_ps (_mm_sub_ps (driven.magnitude, c.knee), c.minusOne);
        const auto bent = _mm_sub_ps (c.one, _mm_div_ps (_mm_mul_ps (distance, distance), c.kneeTimesFour));
        return select (driven.outsideKnee, curveOutsideKnee (driven, c), bent);
    }

    // The curve's value y (0 or more, or NaN) times the sign of the driven sample, stored. A product
    // with +1 or -1 only keeps or flips y's sign bit, and one with 0 (a zero or a NaN sample) gives
    // y itself, +0 or the NaN: so the sign bit is flipped for negative samples and nothing else.
    inline void storeWithSign (float* destination, __m128 y, const DrivenSamples& driven,
                               const ClipConstants& c) noexcept
    {
        _mm_storeu_ps (destination, _mm_xor_ps (y, _mm_and_ps (_mm_cmplt_ps (driven.x, c.zero), c.signBit)));
    }

    // Adds the squares of four samples, each taken in single precision, to two pairs of running
    // sums in double precision: those of samples 0 and 1 to the first, of 2 and 3 to the second.
    inline void addSquares (const float* four, __m128d& sumsOfFirstTwo, __m128d& sumsOfLastTwo) noexcept
    {
        const auto samples = _mm_loadu_ps (four);
        const auto squares = _mm_mul_ps (samples, samples);
        sumsOfFirstTwo = _mm_add_pd (sumsOfFirstTwo, _mm_cvtps_pd (squares));
        sumsOfLastTwo = _mm_add_pd (sumsOfLastTwo, _mm_cvtps_pd (_mm_movehl_ps (squares, squares)));
    }
#endif

    // The per-sample operations of limitToUnity and limitToUnityAndScale, for one sample and, where
    // SSE is available, for four.
    struct LimitToUnity
    {
        float operator() (float sample) const noexcept { return limitSampleToUnity (sample); }

#if JUCE_USE_SSE_INTRINSICS
        // std::min (sample, 1) keeps a NaN sample, and so does _mm_min_ps with the sample second;
        // likewise for the maximum.
        __m128 operator() (__m128 samples) const noexcept
        {
            return _mm_max_ps (_mm_set1_ps (-1.0f), _mm_min_ps (_mm_set1_ps (1.0f), samples));
        }
#endif
    };

    struct LimitToUnityAndScale
    {
        float operator() (float sample) const noexcept { return limitSampleToUnity (sample) * gain; }

#if JUCE_USE_SSE_INTRINSICS
        __m128 operator() (__m128 samples) const noexcept
        {
            return _mm_mul_ps (LimitToUnity() (samples), _mm_set1_ps (gain));
        }
#endif

        float gain;
    };

    // Replaces every sample with operation (sample), sixteen samples a turn where SSE is available.
    template <typename Operation>
    void transformSamples (float* samples, int numSamples, Operation operation) noexcept
    {
        int i = 0;

#if JUCE_USE_SSE_INTRINSICS
        for (; i + 16 <= numSamples; i += 16)
        {
            _mm_storeu_ps (samples + i, operation (_mm_loadu_ps (samples + i)));
            _mm_storeu_ps (samples + i + 4, operation (_mm_loadu_ps (samples + i + 4)));
            _mm_storeu_ps (samples + i + 8, operation (_mm_loadu_ps (samples + i + 8)));
            _mm_storeu_ps (samples + i + 12, operation (_mm_loadu_ps (samples + i + 12)));
        }

        for (; i + 4 <= numSamples; i += 4)
            _mm_storeu_ps (samples + i, operation (_mm_loadu_ps (samples + i)));
#endif

        for (; i < numSamples; ++i)
            samples[i] = operation (samples[i]);
    }
}

// The clipping stage for one channel with a fixed drive and knee.
void clipChannel (float* samples, float* overshoots, size_t numSamples, float gain, float knee) noexcept
{
    size_t i = 0;

#if JUCE_USE_SSE_INTRINSICS
    // curveOutsideKnee needs a knee of 0 or more, which every knee of kneeForCurve is.
    if (knee >= 0.0f)
    {
        const ClipConstants constants (gain, knee);

        // Eight samples a turn. Most turns find all eight outside the knee and need no division.
        for (; i + 8 <= numSamples; i += 8)
        {
            const auto first = drive (samples + i, overshoots + i, constants);
            const auto second = drive (samples + i + 4, overshoots + i + 4, constants);

            if (_mm_movemask_ps (_mm_and_ps (first.outsideKnee, second.outsideKnee)) == 0xf)
            {
                storeWithSign (samples + i, curveOutsideKnee (first, constants), first, constants);
                storeWithSign (samples + i + 4, curveOutsideKnee (second, constants), second, constants);
            }
            else
            {
                storeWithSign (samples + i, curve (first, constants), first, constants);
                storeWithSign (samples + i + 4, curve (second, constants), second, constants);
            }
        }

        for (; i + 4 <= numSamples; i += 4)
        {
            const auto four = drive (samples + i, overshoots + i, constants);
            storeWithSign (samples + i, curve (four, constants), four, constants);
        }
    }
#endif

    for (; i < numSamples; ++i)
        samples[i] = clipSample (samples[i] * gain, knee, overshoots[i]);
}

void limitToUnity (float* samples, int numSamples) noexcept
{
    transformSamples (samples, numSamples, LimitToUnity());
}

void limitToUnityAndScale (float* samples, int numSamples, float gain) noexcept
{
    transformSamples (samples, numSamples, LimitToUnityAndScale{gain});
}

void limitToUnityThenApplyGain (juce::AudioBuffer<float>& buffer,
                                juce::SmoothedValue<float, juce::ValueSmoothingTypes::Linear>& gain) noexcept
{
    const auto numSamples = buffer.getNumSamples();
    const auto steadyGain = gain.getTargetValue();
    const auto inOnePass = !gain.isSmoothing() && steadyGain != 1.0f && steadyGain != 0.0f;

    for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
    {
        if (inOnePass)
            limitToUnityAndScale (buffer.getWritePointer (channel), numSamples, steadyGain);
        else
            limitToUnity (buffer.getWritePointer (channel), numSamples);
    }

    if (!inOnePass)
        gain.applyGain (buffer, numSamples);
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
    double sums[numSums];
    int i = 0;

#if JUCE_USE_SSE_INTRINSICS
    // Sum j takes the squares of samples j, j + 16, j + 32, ...: two sums per register, and each
    // register a variable of its own, which the compiler keeps in a register all through the loop.
    auto sums0and1 = _mm_setzero_pd(), sums2and3 = _mm_setzero_pd(), sums4and5 = _mm_setzero_pd(),
         sums6and7 = _mm_setzero_pd(), sums8and9 = _mm_setzero_pd(), sums10and11 = _mm_setzero_pd(),
         sums12and13 = _mm_setzero_pd(), sums14and15 = _mm_setzero_pd();

    for (; i + numSums <= numSamples; i += numSums)
    {
        addSquares (samples + i, sums0and1, sums2and3);
        addSquares (samples + i + 4, sums4and5, sums6and7);
        addSquares (samples + i + 8, sums8and9, sums10and11);
        addSquares (samples + i + 12, sums12and13, sums14and15);
    }

    _mm_storeu_pd (sums, sums0and1);
    _mm_storeu_pd (sums + 2, sums2and3);
    _mm_storeu_pd (sums + 4, sums4and5);
    _mm_storeu_pd (sums + 6, sums6and7);
    _mm_storeu_pd (sums + 8, sums8and9);
    _mm_storeu_pd (sums + 10, sums10and11);
    _mm_storeu_pd (sums + 12, sums12and13);
    _mm_storeu_pd (sums + 14, sums14and15);
#else
    std::fill (std::begin (sums), std::end (sums), 0.0);

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
