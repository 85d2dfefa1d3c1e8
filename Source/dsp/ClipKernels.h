#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

// The per-sample arithmetic of the clipping chain, run over whole channels. Each kernel gives bit
// for bit what its per-sample form gives (the same single-precision operations in the same order);
// where SSE is available it works four samples at a time. None allocates, locks or calls the
// system: they run on the audio thread.
namespace Utility
{
// The half-width of the curve's knee for a normalised curve setting (0..1): never quite 0, so that
// the hardest setting still has a (tiny) knee to divide by.
inline float kneeForCurve (float normalisedCurve) noexcept
{
    return std::max (1.0f - normalisedCurve, 0.001f);
}

// One driven sample through the soft-knee curve. Samples up to 1 - knee pass, samples from 1 + knee
// on become 1 (with the sample's sign), and in between a parabola joins the two with matching
// slopes. The overshoot above +1 (0 or less) is written for the clip meter.
inline float clipSample (float x, float knee, float& overshoot) noexcept
{
    overshoot = std::min (0.0f, 1.0f - x);

    const auto a = std::abs (x);
    const auto distance = (a - knee) + (-1.0f);
    const auto bent = 1.0f - distance * distance / (knee * 4.0f);
    const auto y = a <= 1.0f - knee ? a : (a >= 1.0f + knee ? 1.0f : bent);
    const auto sign = x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f);

    return y * sign;
}

// The clipping stage for one channel with a fixed drive and knee: each sample becomes
// clipSample (sample * gain, knee, overshoots[i]).
void clipChannel (float* samples, float* overshoots, std::size_t numSamples, float gain, float knee) noexcept;

// One sample limited to -1..+1: first the smaller of the sample and +1, then the larger of that and
// -1, with std::min's and std::max's choice of operand (so a NaN stays NaN).
inline float limitSampleToUnity (float sample) noexcept
{
    return std::max (std::min (sample, 1.0f), -1.0f);
}

// Limits every sample to -1..+1 (limitSampleToUnity).
void limitToUnity (float* samples, int numSamples) noexcept;

// Limits every sample to -1..+1 and then multiplies it by gain: the two passes of limitToUnity and a
// steady gain in one.
void limitToUnityAndScale (float* samples, int numSamples, float gain) noexcept;

// Limits every channel of the buffer to -1..+1, then applies the smoother's gain as its applyGain
// does. A steady gain other than 1 and 0 is applied in the same pass as the limit; the others are
// left to the smoother (a ramp sample by sample, nothing at 1, a clear at 0).
void limitToUnityThenApplyGain (juce::AudioBuffer<float>& buffer,
                                juce::SmoothedValue<float, juce::ValueSmoothingTypes::Linear>& gain) noexcept;

// The root-mean-square level of one channel of the first numSamples samples, 0 where there is
// nothing to measure (no samples, no such channel, or a cleared buffer). Each square is taken in
// single precision and the squares are summed in double precision.
float rmsLevel (const juce::AudioBuffer<float>& buffer, int channel, int numSamples) noexcept;
}
