#include "TestSignal.h"

#include <cmath>

namespace aaxhost
{
AudioData makeTestSignal (double sampleRate, int numChannels, double seconds)
{
    constexpr double twoPi = 6.283185307179586;
    constexpr double startGain = 0.1; // -20 dBFS
    constexpr double endGain = 2.5;   // about +8 dBFS
    constexpr double baseFrequency = 220.0;

    const auto numFrames = (size_t)std::lround (sampleRate * seconds);

    AudioData audio;
    audio.sampleRate = sampleRate;
    audio.channels.assign ((size_t)numChannels, std::vector<float> (numFrames));

    for (size_t channel = 0; channel < (size_t)numChannels; ++channel)
    {
        // A fifth apart per channel, so that the channels of the result can be told apart.
        const auto frequency = baseFrequency * std::pow (1.5, (double)channel);

        for (size_t frame = 0; frame < numFrames; ++frame)
        {
            const auto position = numFrames > 1 ? (double)frame / (double)(numFrames - 1) : 0.0;
            const auto gain = startGain + (endGain - startGain) * position;
            audio.channels[channel][frame] = (float)(gain * std::sin (twoPi * frequency * (double)frame / sampleRate));
        }
    }

    return audio;
}
}
