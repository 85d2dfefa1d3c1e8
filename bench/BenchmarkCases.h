#pragma once

// What the engine's benchmark and its instruction count both measure, so that the two see the same
// work on the same input: the signal chain in 1x and 2x mode, and the two things it cannot be
// faster than, JUCE's own 2x oversampler going up and down (the bulk of 2x mode) and a plain gain
// pass (the least any in-place processing costs). Stereo, 48 kHz, 512-sample blocks.

#include "PluginProcessor.h"

#include <memory>
#include <string>
#include <vector>

namespace Bench
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;
constexpr int numChannels = 2;

// Four seconds of a fixed, music-like stereo signal: band-limited noise under a few sines that swell
// and fade, with peaks that cross the clipping curve's knee at the benchmark's drive. The same
// samples on every run and every machine.
class MusicLikeSignal
{
public:
    MusicLikeSignal();

    int getNumBlocks() const noexcept { return signal.getNumSamples() / blockSize; }
    const float* getBlock (int channel, int blockIndex) const noexcept;

private:
    juce::AudioBuffer<float> signal;
};

// Hands out the signal block after block, as a host hands over fresh input: each block is copied
// into the same work buffer, which the case then processes in place. Starts over at the end.
class FreshInput
{
public:
    explicit FreshInput (const MusicLikeSignal& source)
        : signal (source)
    {
    }

    juce::AudioBuffer<float>& nextBlock() noexcept;

private:
    const MusicLikeSignal& signal;
    juce::AudioBuffer<float> work{numChannels, blockSize};
    int next = 0;
};

// One measured case: its name in the reports and one block of its processing.
class Case
{
public:
    explicit Case (std::string caseName)
        : name (std::move (caseName))
    {
    }
    virtual ~Case() = default;

    virtual void process (juce::AudioBuffer<float>& block) noexcept = 0;

    const std::string name;
};

// The cases in the order of the reports: processBlock 1x, processBlock 2x, the bare oversampler
// round trip and the gain pass.
std::vector<std::unique_ptr<Case>> makeCases();
}
