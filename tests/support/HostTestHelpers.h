// The real bundle in the substitute host, as the end-to-end, hostile-host and concurrency tests drive it.
#pragma once

#include "Host.h"
#include "PluginInstance.h"

#include <memory>
#include <string>
#include <vector>

namespace hosttest
{
/** The bundle the build made. */
inline std::string bundlePath()
{
    return VANTREL_AAX_BUNDLE_DIR;
}

inline constexpr int32_t mono = 0x00000001;
inline constexpr int32_t stereo = 0x00010002;

/** A host with the bundle loaded and registered. */
std::unique_ptr<aaxhost::Host> makeRegisteredHost (aaxhost::HostOptions options = {});

/** The effect's component for a stem format (mono or stereo), or null when there is none. */
const aaxhost::ComponentDescription* findComponent (const aaxhost::Host& host, int32_t stemFormat);

/** As findComponent(), but a missing component throws, failing the test. */
const aaxhost::ComponentDescription& componentFor (const aaxhost::Host& host, int32_t stemFormat);

/** An instance of the stereo (or mono) component, by default at 48 kHz with blocks of up to 1024 frames. */
std::unique_ptr<aaxhost::PluginInstance> makeInstance (aaxhost::Host& host, int32_t stemFormat = stereo,
                                                       double sampleRate = 48000.0, int maxBlockSize = 1024);

/** Separate input and output buffers of one block for PluginInstance::process(). */
struct ChannelBuffers
{
    ChannelBuffers (int numChannels, int numFrames);

    std::vector<std::vector<float>> in, out;
    std::vector<const float*> inputs;
    std::vector<float*> outputs;
};
}
