#include "HostTestHelpers.h"

#include <stdexcept>

namespace hosttest
{
std::unique_ptr<aaxhost::Host> makeRegisteredHost (aaxhost::HostOptions options)
{
    auto host = std::make_unique<aaxhost::Host> (bundlePath(), std::move (options));
    host->registerPlugin();
    return host;
}

const aaxhost::ComponentDescription* findComponent (const aaxhost::Host& host, int32_t stemFormat)
{
    for (auto& effect : host.getDescription().effects)
        for (auto& component : effect.components)
            if (component.getInputStemFormat() == stemFormat)
                return &component;

    return nullptr;
}

const aaxhost::ComponentDescription& componentFor (const aaxhost::Host& host, int32_t stemFormat)
{
    if (const auto* component = findComponent (host, stemFormat))
        return *component;

    throw std::runtime_error ("no component for the stem format");
}

std::unique_ptr<aaxhost::PluginInstance> makeInstance (aaxhost::Host& host, int32_t stemFormat, double sampleRate,
                                                       int maxBlockSize)
{
    aaxhost::InstanceSettings settings;
    settings.sampleRate = sampleRate;
    settings.maxBlockSize = maxBlockSize;
    return host.createInstance (host.getDescription().effects.at (0), componentFor (host, stemFormat), settings);
}

ChannelBuffers::ChannelBuffers (int numChannels, int numFrames)
    : in ((size_t)numChannels, std::vector<float> ((size_t)numFrames))
    , out ((size_t)numChannels, std::vector<float> ((size_t)numFrames))
{
    for (int c = 0; c < numChannels; ++c)
    {
        inputs.push_back (in[(size_t)c].data());
        outputs.push_back (out[(size_t)c].data());
    }
}
}
