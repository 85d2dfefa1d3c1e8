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

const aaxhost::ComponentDescription& componentFor (const aaxhost::Host& host, int32_t stemFormat)
{
    for (auto& component : host.getDescription().effects.at (0).components)
        if (component.getInputStemFormat() == stemFormat)
            return component;

    throw std::runtime_error ("no component for the stem format");
}

std::unique_ptr<aaxhost::PluginInstance> makeInstance (aaxhost::Host& host, int32_t stemFormat, double sampleRate)
{
    aaxhost::InstanceSettings settings;
    settings.sampleRate = sampleRate;
    settings.maxBlockSize = 1024;
    return host.createInstance (host.getDescription().effects.at (0), componentFor (host, stemFormat), settings);
}
}
