#pragma once

#include "Host.h"
#include "PluginInstance.h"

#include <memory>
#include <string>

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

/** The effect's component for a stem format (mono or stereo); fails the test when there is none. */
const aaxhost::ComponentDescription& componentFor (const aaxhost::Host& host, int32_t stemFormat);

/** An instance of the stereo (or mono) component at 48 kHz with blocks of up to 1024 frames. */
std::unique_ptr<aaxhost::PluginInstance> makeInstance (aaxhost::Host& host, int32_t stemFormat = stereo,
                                                       double sampleRate = 48000.0);
}
