// The real bundle under a host's threads: the host's audio thread runs the plug-in's native process
// callback block after block while the host's main thread automates every parameter, confirms the
// plug-in's requests, collects coefficient packets, and saves and restores both chunks. The audio
// stays finite and the audio thread allocates nothing; its only lock is the one JUCE's client takes
// around each block (the processor's callback lock). ThreadSanitizer runs the same test.

#include "ConcurrencyThreads.h"

#include "HostTestHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace
{
using namespace aaxhost;
using namespace concurrency;

constexpr int maxBlockSize = 512;

// The host's audio thread. The first blocks (at the largest size, as a host starts) are left out of
// the count: JUCE's client prepares the processor on the audio thread when it first sees a block
// size, which is the one moment allocation is allowed there.
class HostAudioThread
{
public:
    explicit HostAudioThread (PluginInstance& i)
        : instance (i)
    {
    }

    AudioReport stop() { return thread.stop(); }

private:
    void processOneBlock (std::minstd_rand& random, AudioReport& report)
    {
        const auto length = 1 + (int)(random() % maxBlockSize);

        for (auto& channel : buffers.in)
            for (int i = 0; i < length; ++i)
                channel[(size_t)i] = 1.2f * std::sin (phase + 0.03f * (float)i);

        phase += 0.03f * (float)length;
        instance.process (buffers.inputs.data(), buffers.outputs.data(), length);

        for (const auto& channel : buffers.out)
            for (int i = 0; i < length; ++i)
                if (!std::isfinite (channel[(size_t)i]))
                    ++report.nonFiniteSamples;
    }

    void warmUp()
    {
        for (int block = 0; block < 4; ++block)
            instance.process (buffers.inputs.data(), buffers.outputs.data(), maxBlockSize);
    }

    PluginInstance& instance;
    hosttest::ChannelBuffers buffers{instance.getNumOutputChannels(), maxBlockSize};
    float phase = 0.0f;
    AudioThread thread{[this] (std::minstd_rand& random, AudioReport& report) { processOneBlock (random, report); }, 3,
                       [this] { warmUp(); }};
};
}

TEST (HostConcurrency, ProcessCallbackRunsWhileTheMainThreadAutomatesSavesAndRestores)
{
    const auto host = hosttest::makeRegisteredHost();

    {
        const auto instance = hosttest::makeInstance (*host, hosttest::stereo, 48000.0, maxBlockSize);
        const auto savedChunks = instance->getChunks();
        ASSERT_EQ (savedChunks.size(), 2u);

        std::vector<std::string> ids;

        for (const auto& parameter : instance->getParameters())
            if (parameter.id != "MasterBypassID")
                ids.push_back (parameter.id);

        HostAudioThread audio (*instance);
        std::minstd_rand random (9);
        long rounds = 0;
        const auto end = std::chrono::steady_clock::now() + runTime();

        while (std::chrono::steady_clock::now() < end)
        {
            for (const auto& id : ids)
            {
                instance->setNormalizedValue (id, (double)(random() % 1001) / 1000.0);
                instance->updateNormalizedValue (id, (double)(random() % 1001) / 1000.0);
            }

            instance->serviceAutomation();

            if (rounds % 4 == 0)
                for (const auto& chunk : instance->getChunks())
                    instance->isChunkEqual (chunk);

            if (rounds % 4 == 2)
                instance->setChunk (savedChunks[(size_t)(random() % savedChunks.size())]);

            ++rounds;
        }

        const auto report = audio.stop();
        EXPECT_GT (rounds, 0);
        EXPECT_GT (report.blocks, 10);
        EXPECT_EQ (report.nonFiniteSamples, 0);

        if (RealtimeProbe::isAvailable())
        {
            EXPECT_EQ (report.allocations, 0) << "the audio thread allocated";

            // JUCE's client takes the processor's callback lock once around each block; nothing else
            // on this thread may lock.
            EXPECT_LE (report.lockAttempts, report.blocks);
        }
    }

    EXPECT_EQ (host->canUnloadNow(), 0);
}
