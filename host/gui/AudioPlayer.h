#pragma once

#include "AudioFile.h"

#include <atomic>
#include <thread>

namespace aaxhost
{
class PluginInstance;

/** Plays a signal through an instance in real time, as a host's audio engine does while its transport
    runs: the host's audio thread processes one block per block period and starts the signal over at its
    end. There is no sound device: the output is the plug-in's to measure and show, and is dropped.

    The instance must outlive the player.
*/
class AudioPlayer
{
public:
    AudioPlayer (PluginInstance& instance, AudioData signal, int blockSize);
    ~AudioPlayer();

    AudioPlayer (const AudioPlayer&) = delete;
    AudioPlayer& operator= (const AudioPlayer&) = delete;

    void start();
    void stop();
    bool isPlaying() const noexcept { return thread.joinable(); }

    /** The number of blocks processed since the player was made. */
    int64_t getNumBlocksProcessed() const noexcept { return blocksProcessed.load(); }

private:
    void run();

    PluginInstance& instance;
    const AudioData signal;
    const int blockSize;
    std::atomic<bool> shouldStop{false};
    std::atomic<int64_t> blocksProcessed{0};
    int position = 0;
    std::thread thread;
};
}
