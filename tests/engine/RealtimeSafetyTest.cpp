#include "EngineTestHelpers.h"

#include "RealtimeProbe.h"

// Every heap allocation of the program is counted (see RealtimeProbe.h): while a test arms the counter,
// allocations made by the arming thread are counted; other threads (the framework's timer thread) are
// left alone.
using RealtimeProbe::ScopedAllocationCounter;
using namespace EngineTest;

TEST (RealtimeSafety, TheCounterSeesAllocations)
{
    {
        ScopedAllocationCounter counter;
        auto vector = std::make_unique<std::vector<int>> (100);
        EXPECT_GE (counter.count(), 2);
    }

    if (RealtimeProbe::isAvailable()) // malloc itself is counted, which JUCE's HeapBlock calls directly
    {
        ScopedAllocationCounter counter;
        juce::AudioBuffer<float> buffer (2, 64);
        EXPECT_GE (counter.count(), 1);
    }
}

TEST (RealtimeSafety, ProcessBlockNeverAllocates)
{
    for (const auto numChannels : {1, 2})
    {
        for (const auto quality : {0.0f, 1.0f})
        {
            SCOPED_TRACE (juce::String (numChannels) + " channels, quality " + juce::String (quality));

            auto processor = makeProcessor (numChannels);
            setParameter (*processor, "quality", quality);
            prepare (*processor, 512);

            auto buffer = makeSine (numChannels, 512, 1.5f, 997.0);
            juce::AudioBuffer<float> empty (numChannels, 0);
            juce::MidiBuffer midi;

            // Parameters change between blocks, so every ramp, the crossfade and the switch
            // between oversamplers run inside the counted calls.
            for (int block = 0; block < 64; ++block)
            {
                setParameter (*processor, "input", (float)(block % 7) * 3.0f - 9.0f);
                setParameter (*processor, "clip", (float)(block % 5) * 3.0f);
                setParameter (*processor, "clipCurve", (float)(block % 11) * 10.0f);
                setParameter (*processor, "output", (float)(block % 3) * -4.0f);
                setParameter (*processor, "clipBypass", block % 8 < 4 ? 0.0f : 1.0f);
                setParameter (*processor, "quality", block % 16 < 8 ? quality : 1.0f - quality);

                juce::AudioBuffer<float> block512 (buffer);
                const auto length = block % 4 == 0 ? 512 : 97 + block;
                juce::AudioBuffer<float> view (block512.getArrayOfWritePointers(), numChannels, length);

                ScopedAllocationCounter counter;
                processor->processBlock (view, midi);
                processor->processBlock (empty, midi);
                EXPECT_EQ (counter.count(), 0) << "block " << block;
            }

            // A host that skips the preparation for a longer block gets it processed in parts,
            // still without allocating.
            auto longBlock = makeSine (numChannels, 1500, 0.8f, 440.0);
            {
                ScopedAllocationCounter counter;
                processor->processBlock (longBlock, midi);
                EXPECT_EQ (counter.count(), 0);
            }
        }
    }
}
