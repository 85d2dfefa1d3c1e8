// Speed of the signal chain against the two things it cannot be faster than (see BenchmarkCases.h).
//
// Every block is fresh input, copied from a fixed music-like signal into the work buffer, as a host
// hands over a new block each time. The copy is timed with each case and measured on its own as a
// fifth case, whose time is subtracted from the others. The cases take turns: five rounds, each
// timing every case once, so that a busy moment of the machine slows all of them alike; the ratios
// use each case's fastest round.

#include "BenchmarkCases.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

namespace
{
constexpr int numRounds = 5;
const std::string inputCopyName = "input copy";

void runBlocks (benchmark::State& state, Bench::FreshInput& input, Bench::Case* measured)
{
    for (auto _ : state)
    {
        auto& block = input.nextBlock();

        if (measured != nullptr)
            measured->process (block);

        benchmark::DoNotOptimize (block.getReadPointer (0));
        benchmark::ClobberMemory();
    }
}

// Prints the usual table and keeps each case's fastest time per block.
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

            // Benchmark names are "<case>/round:<n>".
            const auto& name = run.run_name.function_name;
            const auto time = run.GetAdjustedRealTime();
            const auto [entry, isNew] = nanosecondsPerBlock.emplace (name.substr (0, name.rfind ('/')), time);

            if (!isNew)
                entry->second = std::min (entry->second, time);
        }
    }

    double timeOf (const std::string& name) const
    {
        const auto found = nanosecondsPerBlock.find (name);
        return found != nanosecondsPerBlock.end() ? found->second : 0.0;
    }

private:
    std::map<std::string, double> nanosecondsPerBlock;
};
}

int main (int argc, char** argv)
{
    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    const Bench::MusicLikeSignal signal;
    const auto cases = Bench::makeCases();

    // Each case reads the signal from its own position, so each sees all of it.
    std::map<std::string, Bench::FreshInput> inputs;

    for (int round = 1; round <= numRounds; ++round)
    {
        const auto registerCase = [&] (const std::string& name, Bench::Case* measured)
        {
            auto& input = inputs.try_emplace (name, signal).first->second;
            benchmark::RegisterBenchmark ((name + "/round:" + std::to_string (round)).c_str(),
                                          [&input, measured] (benchmark::State& state)
                                          { runBlocks (state, input, measured); });
        };

        for (const auto& measured : cases)
            registerCase (measured->name, measured.get());

        registerCase (inputCopyName, nullptr);
    }

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks (&reporter);

    const auto copyTime = reporter.timeOf (inputCopyName);
    const auto netTime = [&] (const std::string& name) { return std::max (reporter.timeOf (name) - copyTime, 0.0); };
    const auto ratio = [&] (const std::string& numerator, const std::string& denominator)
    {
        const auto below = netTime (denominator);
        return below > 0.0 ? netTime (numerator) / below : 0.0;
    };

    std::printf ("fastest of %d rounds, input copy (%.1f ns) subtracted: processBlock 1x %.0f ns, 2x %.0f ns, "
                 "oversampler round trip %.0f ns, gain pass %.1f ns\n",
                 numRounds, copyTime, netTime ("processBlock 1x"), netTime ("processBlock 2x"),
                 netTime ("oversampler round trip"), netTime ("gain pass"));
    std::printf ("ratio 2x / oversampler round trip: %.3f\n",
                 ratio ("processBlock 2x", "oversampler round trip"));
    std::printf ("ratio 1x / gain pass: %.3f\n", ratio ("processBlock 1x", "gain pass"));
    return 0;
}
