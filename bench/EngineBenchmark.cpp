// Speed of the signal chain against the two things it cannot be faster than: JUCE's own 2x
// oversampler going up and down (the bulk of 2x mode) and a plain gain pass (the least any
// in-place processing costs). Stereo, 48 kHz, 512-sample blocks.

#include "PluginProcessor.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <algorithm>
#include <map>
#include <string>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSize = 512;
constexpr int numChannels = 2;

juce::AudioBuffer<float> makeMusicLikeBlock()
{
    juce::AudioBuffer<float> buffer (numChannels, blockSize);

    for (int channel = 0; channel < numChannels; ++channel)
        for (int i = 0; i < blockSize; ++i)
            buffer.setSample (channel, i,
                              0.7f * (float)std::sin (0.031 * i + channel) + 0.3f * (float)std::sin (0.29 * i));

    return buffer;
}

void processBlock (benchmark::State& state, bool twoTimes)
{
    VantrelAudioProcessor processor;
    auto& quality = *processor.apvts.getParameter ("quality");
    quality.setValueNotifyingHost (twoTimes ? 1.0f : 0.0f);

    // Drive the clipping stage into its knee, as a user would.
    auto& clip = *processor.apvts.getParameter ("clip");
    clip.setValueNotifyingHost (clip.convertTo0to1 (4.0f));

    processor.setRateAndBufferSizeDetails (sampleRate, blockSize);
    processor.prepareToPlay (sampleRate, blockSize);

    auto buffer = makeMusicLikeBlock();
    juce::MidiBuffer midi;

    for (auto _ : state)
    {
        processor.processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
        benchmark::ClobberMemory();
    }
}

void BM_ProcessBlock1x (benchmark::State& state)
{
    processBlock (state, false);
}

void BM_ProcessBlock2x (benchmark::State& state)
{
    processBlock (state, true);
}

void BM_OversamplerRoundTrip (benchmark::State& state)
{
    juce::dsp::Oversampling<float> oversampler (
        numChannels, 1, juce::dsp::Oversampling<float>::filterHalfBandFIREquiripple, true, true);
    oversampler.initProcessing (blockSize);

    auto buffer = makeMusicLikeBlock();
    juce::dsp::AudioBlock<float> block (buffer);
    const juce::ScopedNoDenormals noDenormals;

    for (auto _ : state)
    {
        oversampler.processSamplesUp (block);
        oversampler.processSamplesDown (block);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
        benchmark::ClobberMemory();
    }
}

void BM_GainPass (benchmark::State& state)
{
    auto buffer = makeMusicLikeBlock();
    auto gain = 0.5f;

    for (auto _ : state)
    {
        // Halving and doubling by turns keeps the samples exactly where they were.
        buffer.applyGain (gain);
        gain = gain == 0.5f ? 2.0f : 0.5f;
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
        benchmark::ClobberMemory();
    }
}

// Several repetitions each: the ratios use the fastest, the run least disturbed by other work on
// the machine.
BENCHMARK (BM_ProcessBlock1x)->Repetitions (5);
BENCHMARK (BM_ProcessBlock2x)->Repetitions (5);
BENCHMARK (BM_OversamplerRoundTrip)->Repetitions (5);
BENCHMARK (BM_GainPass)->Repetitions (5);

// Prints the usual table and keeps each benchmark's fastest time per iteration for the ratios.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns (const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns (runs);

        for (const auto& run : runs)
        {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;

            const auto time = run.GetAdjustedRealTime();
            const auto [entry, isNew] = nanosecondsPerIteration.emplace (run.run_name.function_name, time);

            if (!isNew)
                entry->second = std::min (entry->second, time);
        }
    }

    double timeOf (const std::string& name) const
    {
        const auto found = nanosecondsPerIteration.find (name);
        return found != nanosecondsPerIteration.end() ? found->second : 0.0;
    }

private:
    std::map<std::string, double> nanosecondsPerIteration;
};
}

int main (int argc, char** argv)
{
    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);

    const auto ratio = [&] (const char* numerator, const char* denominator)
    {
        const auto below = reporter.timeOf (denominator);
        return below > 0.0 ? reporter.timeOf (numerator) / below : 0.0;
    };

    std::printf (
        "fastest runs: processBlock 1x %.0f ns, 2x %.0f ns, oversampler round trip %.0f ns, gain pass %.1f ns\n",
        reporter.timeOf ("BM_ProcessBlock1x"), reporter.timeOf ("BM_ProcessBlock2x"),
        reporter.timeOf ("BM_OversamplerRoundTrip"), reporter.timeOf ("BM_GainPass"));
    std::printf ("processBlock 2x / oversampler round trip: %.3f\n",
                 ratio ("BM_ProcessBlock2x", "BM_OversamplerRoundTrip"));
    std::printf ("processBlock 1x / gain pass: %.3f\n", ratio ("BM_ProcessBlock1x", "BM_GainPass"));
    return 0;
}
