#include "AudioFile.h"

#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstring>
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

    /** Why opening a file failed, said for a person who gave its name on the command line. */
    std::string openFailure (int error, bool forWriting)
    {
        switch (error)
        {
            case ENOENT:
                return forWriting ? "the directory to write it in does not exist" : "there is no such file";
            case EACCES:
            case EPERM:
                return forWriting ? "no permission to write it" : "no permission to read it";
            case EISDIR:
                return "it is a directory, not a file";
            case ENOTDIR:
                return "a part of the path is not a directory";
            case EROFS:
                return "it lies on a read-only file system";
            case ENOSPC:
                return "the disk is full";
            default:
                return std::string (forWriting ? "it cannot be written: " : "it cannot be read: ") +
                       std::strerror (error);
        }
    }

    /** libsndfile's reason, without its closing full stop, to follow a sentence of ours. */
    std::string libraryReason (SNDFILE* file)
    {
        std::string reason = sf_strerror (file);

        while (!reason.empty() && (reason.back() == '.' || reason.back() == ' '))
            reason.pop_back();

        return reason;
    }

    /** A file descriptor of the system's, closed when it goes. */
    struct FileDescriptor
    {
        explicit FileDescriptor (int descriptorToOwn) noexcept
            : descriptor (descriptorToOwn)
        {
        }

        ~FileDescriptor()
        {
            if (descriptor >= 0)
                ::close (descriptor);
        }

        FileDescriptor (const FileDescriptor&) = delete;
        FileDescriptor& operator= (const FileDescriptor&) = delete;

        const int descriptor;
    };

    /** A sound file opened on a descriptor of its own; the file is closed before its descriptor. */
    struct OpenSoundFile
    {
        FileDescriptor descriptor;
        SndFilePtr file;
    };

    /** Opens the file with the system first, so that a missing or unreadable file is told apart from
        one that libsndfile does not understand.
    */
    std::unique_ptr<OpenSoundFile> openSoundFile (const std::string& path, int mode, SF_INFO& info)
    {
        const auto forWriting = mode == SFM_WRITE;
        auto opened = std::unique_ptr<OpenSoundFile> (new OpenSoundFile{
            FileDescriptor (forWriting ? ::open (path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)
                                       : ::open (path.c_str(), O_RDONLY | O_CLOEXEC)),
            nullptr});
        const auto descriptor = opened->descriptor.descriptor;

        if (descriptor < 0)
            fail (path, openFailure (errno, forWriting));

        struct stat status
        {
        };

        if (::fstat (descriptor, &status) == 0 && S_ISDIR (status.st_mode))
            fail (path, openFailure (EISDIR, forWriting));

        opened->file.reset (sf_open_fd (descriptor, mode, &info, SF_FALSE));

        if (opened->file == nullptr)
            fail (path, forWriting ? "libsndfile cannot write it: " + libraryReason (nullptr)
                                   : "not an audio file that libsndfile reads (" + libraryReason (nullptr) + ")");

        return opened;
    }

    /** The first chunk of the file with the id, its length filled in; null when there is none. */
    SF_CHUNK_ITERATOR* findChunk (SNDFILE* file, const char* id, SF_CHUNK_INFO& chunk)
    {
        SF_CHUNK_INFO wanted{};
        std::strncpy (wanted.id, id, sizeof (wanted.id) - 1);
        wanted.id_size = (unsigned)std::strlen (id);
        auto* iterator = sf_get_chunk_iterator (file, &wanted);

        chunk = {};
        return iterator != nullptr && sf_get_chunk_size (iterator, &chunk) == SF_ERR_NO_ERROR ? iterator : nullptr;
    }

    /** The bytes of the first chunk of the file with the id; none when there is no such chunk. */
    std::vector<unsigned char> chunkBytes (SNDFILE* file, const char* id)
    {
        SF_CHUNK_INFO chunk;
        auto* iterator = findChunk (file, id, chunk);
        std::vector<unsigned char> bytes (iterator != nullptr ? chunk.datalen : 0);
        chunk.data = bytes.data();

        if (bytes.empty() || sf_get_chunk_data (iterator, &chunk) != SF_ERR_NO_ERROR)
            return {};

        return bytes;
    }

    /** The frames that the header of a WAV file promises, which a file cut short does not hold (libsndfile
        then reads only those it holds); -1 for other formats and for compressed data.
    */
    int64_t framesInWavHeader (SNDFILE* file, const SF_INFO& info)
    {
        if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV)
            return -1;

        // Uncompressed data only: its block align is the size of one frame.
        constexpr unsigned pcm = 1, ieeeFloat = 3, extensible = 0xfffe;
        const auto format = chunkBytes (file, "fmt ");
        SF_CHUNK_INFO data;

        if (format.size() < 16 || findChunk (file, "data", data) == nullptr)
            return -1;

        const auto tag = format[0] | (unsigned)format[1] << 8;
        const auto frameSize = format[12] | (unsigned)format[13] << 8;

        if ((tag != pcm && tag != ieeeFloat && tag != extensible) || frameSize == 0)
            return -1;

        return (int64_t)data.datalen / frameSize;
    }
}

AudioData readAudioFile (const std::string& path, int64_t* framesPromised)
{
    SF_INFO info{};
    const auto opened = openSoundFile (path, SFM_READ, info);
    auto* const file = opened->file.get();

    if (info.channels < 1 || info.samplerate < 1)
        fail (path, "the file has no channels or no sample rate");

    const auto numChannels = (size_t)info.channels;
    const auto numFrames = (size_t)info.frames;

    std::vector<float> interleaved (numChannels * numFrames);
    const auto framesRead = sf_readf_float (file, interleaved.data(), (sf_count_t)numFrames);

    if (framesRead < 0 || (size_t)framesRead != numFrames)
        fail (path, "the file ends early: " + libraryReason (file));

    if (framesPromised != nullptr)
        *framesPromised = std::max ((int64_t)numFrames, framesInWavHeader (file, info));

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

    const auto opened = openSoundFile (path, SFM_WRITE, info);
    auto& file = opened->file;

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
        fail (path, "writing failed: " + libraryReason (file.get()));

    // Closing flushes the header; a failure there would leave a broken file.
    if (sf_close (file.release()) != 0)
        fail (path, "closing the file failed");
}
}
