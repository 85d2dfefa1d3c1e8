#pragma once

#include "AudioFile.h"

namespace aaxhost
{
class PluginInstance;

/** Renders a whole signal through an instance, in blocks of at most blockSize frames (and never more than
    the instance's largest block). Input channels beyond the instance's inputs are dropped and missing ones
    are silent; the result has the instance's output channels at the input's sample rate.
*/
AudioData renderAudio (PluginInstance& instance, const AudioData& input, int blockSize);
}
