#include "AudioPlayer.h"

#include "PluginInstance.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace aaxhost
{
AudioPlayer::AudioPlayer (PluginInstance& pluginInstance, AudioData signalToPlay, int framesPerBlock)
    : instance (pluginInstance)
    , signal (std::move (signalToPlay))
    , blockSize (std::clamp (framesPerBlock, 1, pluginInstance.getMaxBlockSize()))
{
}

AudioPlayer::~AudioPlayer()
{
    stop();
}

void AudioPlayer::start()
{
    if (thread.joinable() || signal.getNumFrames() == 0)
        return;

    shouldStop = false;
    thread = std::thread ([this] { run(); });
}

void AudioPlayer::stop()
{
    if (!thread.joinable())
        return;

    shouldStop = true;
    thread.join();
}

void AudioPlayer::run()
{
    using Clock = std::chrono::steady_clock;

    const auto numInputs = instance.getNumInputChannels();
    const auto numOutputs = instance.getNumOutputChannels();
    const auto numFrames = signal.getNumFrames();

    // Every buffer is made before the first block, so the loop itself allocates nothing.
    std::vector<std::vector<float>> inputs ((size_t)numInputs, std::vector<float> ((size_t)blockSize));
    std::vector<std::vector<float>> outputs ((size_t)numOutputs, std::vector<float> ((size_t)blockSize));
    std::vector<const float*> inputPointers;
    std::vector<float*> outputPointers;

    for (auto& channel : inputs)
        inputPointers.push_back (channel.data());

    for (auto& channel : outputs)
        outputPointers.push_back (channel.data());

    const auto blockPeriod = std::chrono::duration_cast<Clock::duration> (
        std::chrono::duration<double> ((double)blockSize / instance.getSampleRate()));
    auto nextBlock = Clock::now();

    while (!shouldStop)
    {
        for (int frame = 0; frame < blockSize; ++frame)
        {
            for (int channel = 0; channel < numInputs; ++channel)
                inputs[(size_t)channel][(size_t)frame] =
                    channel < signal.getNumChannels() ? signal.channels[(size_t)channel][(size_t)position] : 0.0f;

            position = (position + 1) % numFrames;
        }

        instance.process (inputPointers.data(), outputPointers.data(), blockSize);
        ++blocksProcessed;

        // Paced by the clock, as a sound device would pace it; a late block does not make the next early.
        nextBlock = std::max (nextBlock + blockPeriod, Clock::now() - blockPeriod);
        std::this_thread::sleep_until (nextBlock);
    }
}
}
