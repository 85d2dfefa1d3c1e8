#include "AudioFile.h"

#include <sndfile.h>

#include <memory>

namespace aaxhost
{
namespace
{
    struct SndFileCloser
    {
        void operator() (SNDFILE* file) const noexcept { sf_close (file); }
    };

    using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

    [[noreturn]] void fail (const std::string& path, const std::string& why)
    {
        throw AudioFileError ("'" + path + "': " + why);
    }
}

AudioData readAudioFile (const std::string& path)
{
    SF_INFO info{};
    SndFilePtr file (sf_open (path.c_str(), SFM_READ, &info));

    if (file == nullptr)
        fail (path, sf_strerror (nullptr));

    if (info.channels < 1 || info.samplerate < 1)
        fail (path, "the file has no channels or no sample rate");

    const auto numChannels = (size_t)info.channels;
    const auto numFrames = (size_t)info.frames;

    std::vector<float> interleaved (numChannels * numFrames);
    const auto framesRead = sf_readf_float (file.get(), interleaved.data(), (sf_count_t)numFrames);

    if (framesRead < 0 || (size_t)framesRead != numFrames)
        fail (path, "the file ends early: " + std::string (sf_strerror (file.get())));

    AudioData audio;
    audio.sampleRate = info.samplerate;
    audio.channels.assign (numChannels, std::vector<float> (numFrames));

    for (size_t frame = 0; frame < numFrames; ++frame)
        for (size_t channel = 0; channel < numChannels; ++channel)
            audio.channels[channel][frame] = interleaved[frame * numChannels + channel];

    return audio;
}

void writeAudioFile (const std::string& path, const AudioData& audio)
{
    if (audio.getNumChannels() < 1)
        fail (path, "there is no audio to write");

    if (audio.sampleRate < 1.0)
        fail (path, "the sample rate is not set");

    SF_INFO info{};
    info.samplerate = (int)audio.sampleRate;
    info.channels = audio.getNumChannels();
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;

    SndFilePtr file (sf_open (path.c_str(), SFM_WRITE, &info));

    if (file == nullptr)
        fail (path, sf_strerror (nullptr));

    const auto numChannels = (size_t)audio.getNumChannels();
    const auto numFrames = (size_t)audio.getNumFrames();
    std::vector<float> interleaved (numChannels * numFrames);

    for (size_t channel = 0; channel < numChannels; ++channel)
    {
        if (audio.channels[channel].size() != numFrames)
            fail (path, "the channels differ in length");

        for (size_t frame = 0; frame < numFrames; ++frame)
            interleaved[frame * numChannels + channel] = audio.channels[channel][frame];
    }

    if (sf_writef_float (file.get(), interleaved.data(), (sf_count_t)numFrames) != (sf_count_t)numFrames)
        fail (path, "writing failed: " + std::string (sf_strerror (file.get())));

    // Closing flushes the header; a failure there would leave a broken file.
    if (sf_close (file.release()) != 0)
        fail (path, "closing the file failed");
}
}
