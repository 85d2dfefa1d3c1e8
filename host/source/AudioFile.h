#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace aaxhost
{
/** A block of non-interleaved audio in memory: one vector of samples per channel. */
struct AudioData
{
    double sampleRate = 0.0;
    std::vector<std::vector<float>> channels;

    int getNumChannels() const noexcept { return (int)channels.size(); }
    int getNumFrames() const noexcept { return channels.empty() ? 0 : (int)channels.front().size(); }
};

/** Thrown when an audio file cannot be read or written; what() says which file and why. */
struct AudioFileError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

/** Reads a whole audio file (any format libsndfile reads: WAV, AIFF, ...) as 32-bit floats. A file cut
    short, whose header promises more frames than follow it, is read as far as it goes; `framesPromised`,
    when given, receives the count its header promised (for WAV; the count read for other formats).
*/
AudioData readAudioFile (const std::string& path, int64_t* framesPromised = nullptr);

/** Writes the audio as a 32-bit float WAV file, so that values beyond full scale survive. */
void writeAudioFile (const std::string& path, const AudioData& audio);
}
