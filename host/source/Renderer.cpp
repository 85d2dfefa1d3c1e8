#include "Renderer.h"

#include "PluginInstance.h"

#include <algorithm>

namespace aaxhost
{
AudioData renderAudio (PluginInstance& instance, const AudioData& input, int blockSize)
{
    const auto numFrames = input.getNumFrames();
    const auto numInputs = instance.getNumInputChannels();
    const auto numOutputs = instance.getNumOutputChannels();
    const auto framesPerBlock = std::clamp (blockSize, 1, instance.getMaxBlockSize());

    AudioData output;
    output.sampleRate = input.sampleRate;
    output.channels.assign ((size_t)numOutputs, std::vector<float> ((size_t)numFrames));

    // The host's own buffers for one block: the plug-in reads the inputs and writes the outputs.
    std::vector<std::vector<float>> inputBlock ((size_t)numInputs, std::vector<float> ((size_t)framesPerBlock));
    std::vector<const float*> inputPointers;
    std::vector<float*> outputPointers ((size_t)numOutputs);

    for (auto& channel : inputBlock)
        inputPointers.push_back (channel.data());

    for (int start = 0; start < numFrames; start += framesPerBlock)
    {
        const auto frames = std::min (framesPerBlock, numFrames - start);

        for (int channel = 0; channel < numInputs; ++channel)
        {
            auto& block = inputBlock[(size_t)channel];

            if (channel < input.getNumChannels())
                std::copy_n (input.channels[(size_t)channel].begin() + start, frames, block.begin());
            else
                std::fill_n (block.begin(), frames, 0.0f);
        }

        for (int channel = 0; channel < numOutputs; ++channel)
            outputPointers[(size_t)channel] = output.channels[(size_t)channel].data() + start;

        instance.process (inputPointers.data(), outputPointers.data(), frames);
    }

    return output;
}
}
