// Runs each case of the engine's benchmark over one pass of the music-like signal, for valgrind's
// callgrind to count the instructions of (scripts/bench --instructions). Only the processing of a
// block is counted, not the copy of its fresh input: callgrind collects inside countedBlock alone
// (--toggle-collect=countedBlock), and each case's count is written to a dump of its own, named
// after the case. Outside valgrind it just runs the cases.

#include "BenchmarkCases.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

#include <cstdio>

// A function of its own, never inlined, so that callgrind can switch its counting on and off at it.
extern "C" __attribute__ ((noinline)) void countedBlock (Bench::Case& measured, juce::AudioBuffer<float>& block)
{
    measured.process (block);
}

int main()
{
    // The first blocks run everything that happens only once (code paths taken for the first time);
    // they are not counted.
    constexpr int warmUpBlocks = 16;

    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    const Bench::MusicLikeSignal signal;
    const auto numBlocks = signal.getNumBlocks();

    for (const auto& measured : Bench::makeCases())
    {
        Bench::FreshInput input (signal);

        for (int block = 0; block < warmUpBlocks; ++block)
            countedBlock (*measured, input.nextBlock());

        CALLGRIND_ZERO_STATS;

        for (int block = 0; block < numBlocks; ++block)
            countedBlock (*measured, input.nextBlock());

        CALLGRIND_DUMP_STATS_AT (measured->name.c_str());
    }

    std::printf ("blocks per case: %d\n", numBlocks);
    return 0;
}
