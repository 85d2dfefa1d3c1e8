#pragma once

#include "AudioFile.h"

namespace aaxhost
{
/** The built-in signal rendered when no input file is given: a few seconds of sine tones per channel
    whose level rises steadily from -20 dBFS to about +8 dBFS, so that the second half drives a clipper
    well past full scale and its shaping is plain to see and hear.
*/
AudioData makeTestSignal (double sampleRate, int numChannels, double seconds = 4.0);
}
