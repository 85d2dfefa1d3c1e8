// The threads of the concurrency tests: workers that repeat one job until stopped, the audio thread among
// them watched by the real-time probe.
#pragma once

#include "RealtimeProbe.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <thread>

namespace concurrency
{
/** How long each test keeps its threads running (VANTREL_CONCURRENCY_MS, or 1.5 s). Sanitizer builds run
    several times slower, so the duration is a time, not a number of repetitions.
*/
inline std::chrono::milliseconds runTime()
{
    if (const auto* text = std::getenv ("VANTREL_CONCURRENCY_MS"))
        return std::chrono::milliseconds (std::atoi (text));

    return std::chrono::milliseconds (1500);
}

/** What an audio thread saw. */
struct AudioReport
{
    long blocks = 0;
    long nonFiniteSamples = 0;
    float largestMagnitude = 0.0f;
    long allocations = 0;
    long lockAttempts = 0;
};

/** A worker that repeats one job until stopped. A watched one is an audio thread: `prepare` runs first (a
    host's first blocks, where allocation is allowed), then the repetitions run under the real-time probe.
*/
class RepeatingThread
{
public:
    using Job = std::function<void (std::minstd_rand&)>;

    explicit RepeatingThread (Job jobToRepeat, unsigned seed = 11, bool watched = false,
                              std::function<void()> prepare = {})
        : job (std::move (jobToRepeat))
        , thread (
              [this, seed, watched, prepare]
              {
                  std::minstd_rand random (seed);

                  if (prepare)
                      prepare();

                  std::optional<RealtimeProbe::ScopedWatchedThread> watch;

                  if (watched)
                  {
                      watch.emplace();
                      RealtimeProbe::reset();
                  }

                  while (keepRunning)
                  {
                      job (random);
                      ++repetitions;
                  }

                  allocations = RealtimeProbe::allocations();
                  lockAttempts = RealtimeProbe::lockAttempts();
              })
    {
    }

    ~RepeatingThread() { stop(); }

    /** Stops the thread and returns how often it did its job. */
    long stop()
    {
        keepRunning = false;

        if (thread.joinable())
            thread.join();

        return repetitions;
    }

    /** Of a watched thread, once stopped: what the repetitions allocated and how often they locked. */
    long allocations = 0, lockAttempts = 0;

private:
    Job job;
    std::atomic<bool> keepRunning{true};
    std::atomic<long> repetitions{0};
    std::thread thread;
};

/** The host's audio thread: `prepare` runs unwatched, then `processBlock` again and again under the
    real-time probe until stop(), which reports what the blocks saw.
*/
class AudioThread
{
public:
    using BlockFunction = std::function<void (std::minstd_rand&, AudioReport&)>;

    AudioThread (BlockFunction processBlock, unsigned seed, std::function<void()> prepare)
        : thread ([this, processBlock] (std::minstd_rand& random) { processBlock (random, report); }, seed, true,
                  std::move (prepare))
    {
    }

    AudioReport stop()
    {
        report.blocks = thread.stop();
        report.allocations = thread.allocations;
        report.lockAttempts = thread.lockAttempts;
        return report;
    }

private:
    AudioReport report;
    RepeatingThread thread;
};
}
