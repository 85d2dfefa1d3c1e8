// aax-host run as a user runs it, on audio files the test writes and reads back.

#include "HostTestHelpers.h"

#include "AudioFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace aaxhost;
using namespace hosttest;

namespace
{
namespace fs = std::filesystem;

class AaxHostToolRender : public ::testing::Test
{
protected:
    void SetUp() override { fs::create_directories (directory); }
    void TearDown() override { fs::remove_all (directory); }

    /** Runs the tool with the arguments (each quoted); returns its exit code, and keeps what it printed. */
    int run (const std::vector<std::string>& arguments)
    {
        std::string command = "'" + std::string (VANTREL_AAX_HOST_TOOL) + "'";

        for (auto& argument : arguments)
            command += " '" + argument + "'";

        const auto logPath = directory / "log.txt";
        const auto status = std::system ((command + " > '" + logPath.string() + "' 2>&1").c_str());

        std::ifstream logFile (logPath);
        std::stringstream text;
        text << logFile.rdbuf();
        log = text.str();

        return WIFEXITED (status) ? WEXITSTATUS (status) : -1;
    }

    std::string writeConstant (double sampleRate, float level, int numFrames)
    {
        AudioData audio;
        audio.sampleRate = sampleRate;
        audio.channels.assign (2, std::vector<float> ((size_t)numFrames, level));
        const auto path = (directory / "in.wav").string();
        writeAudioFile (path, audio);
        return path;
    }

    const fs::path directory = fs::temp_directory_path() / ("aax-host-tool-test-" + std::to_string (getpid()));
    const std::string outputPath = (directory / "out.wav").string();
    std::string log;
};
}

TEST_F (AaxHostToolRender, SettingsAreInEffectFromTheFirstFrame)
{
    constexpr float level = 0.5f;
    constexpr int rampLength = 9600; // the engine glides to a new gain over 0.2 s once it is prepared
    const auto input = writeConstant (48000.0, level, 24000);

    ASSERT_EQ (run ({"render", bundlePath(), "--in", input, "--out", outputPath, "--set", "input=-20"}), 0) << log;

    const auto output = readAudioFile (outputPath);
    ASSERT_EQ (output.getNumFrames(), 24000);

    // JUCE's client prepares the engine when the instance is initialised, before any parameter can be set,
    // so the setting arrives as a change: the first frame already takes the first step of the straight
    // glide from 0 dB, which reaches -20 dB exactly after the ramp and stays there. The smoother adds a
    // single-precision step per frame, and each addition rounds by less than one unit in the last place
    // of a gain below 1 (2^-24): after n steps the gain lies within n * 2^-24 of the straight line,
    // whichever compiler built the engine.
    const auto targetGain = std::pow (10.0f, -20.0f * 0.05f);
    constexpr double unitInTheLastPlace = 1.0 / (1 << 24);

    for (auto& channel : output.channels)
    {
        for (int frame = 0; frame < rampLength; ++frame)
        {
            const auto steps = frame + 1;
            const auto onTheLine = level * (1.0 + (targetGain - 1.0) * steps / rampLength);
            ASSERT_NEAR (channel[(size_t)frame], onTheLine, (level * steps + 1.0) * unitInTheLastPlace)
                << "frame " << frame;
        }

        EXPECT_FLOAT_EQ (channel[rampLength - 1], level * targetGain);
        EXPECT_FLOAT_EQ (channel.back(), level * targetGain);
    }
}

TEST_F (AaxHostToolRender, AnInputAtARateOutsideTheRenderedRangeIsAFileError)
{
    for (const auto rate : {4000.0, 400000.0})
    {
        const auto input = writeConstant (rate, 0.5f, 400);

        EXPECT_EQ (run ({"render", bundlePath(), "--in", input, "--out", outputPath}), 3) << log;
        EXPECT_NE (log.find ("sample rate of " + std::to_string ((int)rate) + " Hz"), std::string::npos) << log;
        EXPECT_FALSE (fs::exists (outputPath));
    }
}

TEST_F (AaxHostToolRender, AnInputOfMoreThanTwoChannelsIsAFileErrorNamingIt)
{
    AudioData audio;
    audio.sampleRate = 48000.0;
    audio.channels.assign (3, std::vector<float> (400, 0.5f));
    const auto input = (directory / "three.wav").string();
    writeAudioFile (input, audio);

    EXPECT_EQ (run ({"render", bundlePath(), "--in", input, "--out", outputPath}), 3) << log;
    EXPECT_NE (log.find ("'" + input + "' has 3 channels"), std::string::npos) << log;
    EXPECT_FALSE (fs::exists (outputPath));
}

TEST_F (AaxHostToolRender, ATruncatedWavIsRenderedAsFarAsItGoesWithAWarningGivingBothCounts)
{
    const auto input = writeConstant (48000.0, 0.5f, 48000);

    // The audio, 8 bytes a stereo float frame, ends the file: cut it after 100 frames.
    constexpr int framesLeft = 100;
    const auto headerSize = fs::file_size (input) - 48000 * 8;
    fs::resize_file (input, headerSize + framesLeft * 8);

    ASSERT_EQ (run ({"render", bundlePath(), "--in", input, "--out", outputPath}), 0) << log;
    EXPECT_NE (log.find (input + ": header promises 48000 frames, the file holds 100"), std::string::npos) << log;
    EXPECT_EQ (readAudioFile (outputPath).getNumFrames(), framesLeft);

    // A whole file gets no warning.
    writeConstant (48000.0, 0.5f, 480);
    ASSERT_EQ (run ({"render", bundlePath(), "--in", input, "--out", outputPath}), 0) << log;
    EXPECT_EQ (log.find ("promises"), std::string::npos) << log;
}

TEST_F (AaxHostToolRender, FilesThatCannotBeOpenedAreNamedWithTheReasonInTheToolsWords)
{
    const auto missing = (directory / "missing.wav").string();
    EXPECT_EQ (run ({"render", bundlePath(), "--in", missing, "--out", outputPath}), 3) << log;
    EXPECT_NE (log.find ("'" + missing + "': there is no such file"), std::string::npos) << log;

    EXPECT_EQ (run ({"render", bundlePath(), "--in", directory.string(), "--out", outputPath}), 3) << log;
    EXPECT_NE (log.find ("'" + directory.string() + "': it is a directory, not a file"), std::string::npos) << log;

    const auto notAudio = (directory / "notes.wav").string();
    std::ofstream (notAudio) << "not audio\n";
    EXPECT_EQ (run ({"render", bundlePath(), "--in", notAudio, "--out", outputPath}), 3) << log;
    EXPECT_NE (log.find ("'" + notAudio + "': not an audio file that libsndfile reads"), std::string::npos) << log;

    const auto nowhere = (directory / "no-such-directory" / "out.wav").string();
    EXPECT_EQ (run ({"render", bundlePath(), "--out", nowhere}), 3) << log;
    EXPECT_NE (log.find ("'" + nowhere + "': the directory to write it in does not exist"), std::string::npos) << log;

    EXPECT_EQ (log.find ("System error"), std::string::npos) << log;
}
