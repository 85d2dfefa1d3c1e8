// aax-host: loads an AAX plug-in bundle and plays the host's part, to describe it or to render audio through it.

#include "AudioFile.h"
#include "CommandLine.h"
#include "GuiCommands.h"
#include "Host.h"
#include "HostWindow.h"
#include "Image.h"
#include "PluginInstance.h"
#include "Renderer.h"
#include "StemFormats.h"
#include "TestSignal.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using namespace aaxhost;

const char* const usageText =
    R"(Usage:
  aax-host describe BUNDLE
  aax-host render BUNDLE --out OUT.wav [--in IN.wav] [--set ID=VALUE ...] [--block N] [--rate HZ]
                  [--channels N]
  aax-host snapshot BUNDLE --out EDITOR.png [--set ID=VALUE ...] [--after MS]
  aax-host show BUNDLE [--set ID=VALUE ...]
  aax-host --help

Loads an AAX plug-in bundle (the .aaxplugin directory or the shared module inside it) the way an AAX
host does: ACFStartup, ACFRegisterPlugin, one instance of the data model with its algorithm context,
and ACFShutdown at the end.

Commands:
  describe   Prints what the host reads from the plug-in: names, category, package names and version,
             each component with its stem formats, context fields, properties and plug-in identifiers,
             then the parameters with identifier, name, default, steps and value text.
  render     Renders audio through the plug-in into OUT.wav (32-bit float WAV) and prints how long
             loading, describing and instantiating took.
  snapshot   Opens the plug-in's window on the X display (DISPLAY; Xvfb will do), plays the built-in
             signal through the plug-in for a moment so that its meters and animation move, and writes
             the window's pixels to EDITOR.png.
  show       Opens the plug-in's window for a person and plays the built-in signal through the plug-in,
             over and over, until the window is closed or the process is interrupted (Ctrl-C). The
             signal is processed in real time; the host has no sound device, so nothing is heard.

Options of render:
  --in IN.wav       The audio to render (mono or stereo). Without it a built-in signal of a few seconds
                    is used: sine tones rising from -20 dBFS to about +8 dBFS, so that clipping shows.
  --set ID=VALUE    Sets a parameter before the first block is rendered. VALUE is a number in the
                    parameter's own units that the plug-in converts ("6" for 6 dB), or for a switch one
                    of its texts ("On", "Off"). May be given several times.
  --block N         Block size in samples (default 512, 1 to 1024: an AAX host never passes more).
  --rate HZ         Sample rate of the built-in signal (default 48000, 8000 to 384000). With --in the
                    file's rate is used; it must lie in the same range, and --rate, if given, must agree
                    with it.
  --channels N      Channel count of the built-in signal: 1 or 2 (default 2).

Options of snapshot and show:
  --set ID=VALUE    Sets a parameter once the window is open, as host automation does, in the order given.
  --after MS        snapshot only: how long the signal plays before the picture is taken (default 1000,
                    0 to 60000).

Exit codes: 0 success, 1 the plug-in failed, 2 bad command line, 3 a file could not be read or written,
4 no X display could be opened.
)";

/** Prints a failure the way aax-host reports every failure, and gives the exit code to leave with. */
int reportFailure (const std::exception& failure, ExitCode exitCode)
{
    std::cerr << "aax-host: " << failure.what() << "\n";
    return exitCode;
}

using Clock = std::chrono::steady_clock;

double millisecondsSince (Clock::time_point start)
{
    return std::chrono::duration<double, std::milli> (Clock::now() - start).count();
}

// JUCE's client prepares its processor for blocks of up to 1024 samples, the most an AAX host passes.
constexpr int maxBlockSize = 1024;
constexpr int minSampleRate = 8000, maxSampleRate = 384000;

int parseInteger (const std::string& text, const char* what, long minimum, long maximum)
{
    char* end = nullptr;
    errno = 0;
    const auto value = std::strtol (text.c_str(), &end, 10);

    if (text.empty() || *end != '\0' || errno != 0 || value < minimum || value > maximum)
        throw UsageError (std::string ("invalid ") + what + " '" + text + "' (expected " + std::to_string (minimum) +
                          " to " + std::to_string (maximum) + ")");

    return (int)value;
}

struct RenderOptions
{
    std::string bundlePath, inputPath, outputPath;
    std::vector<std::pair<std::string, std::string>> settings;
    int blockSize = 512;
    int sampleRate = 0; // 0: not given
    int channels = 2;
};

RenderOptions parseRenderOptions (const std::vector<std::string>& args)
{
    RenderOptions options;
    std::set<std::string> given;

    for (size_t i = 0; i < args.size(); ++i)
    {
        const auto& arg = args[i];

        if (arg == "--out")
            options.outputPath = singleOptionValue (args, i, given);
        else if (arg == "--in")
            options.inputPath = singleOptionValue (args, i, given);
        else if (arg == "--block")
            options.blockSize = parseInteger (singleOptionValue (args, i, given), "block size", 1, maxBlockSize);
        else if (arg == "--rate")
            options.sampleRate =
                parseInteger (singleOptionValue (args, i, given), "sample rate", minSampleRate, maxSampleRate);
        else if (arg == "--channels")
            options.channels = parseInteger (singleOptionValue (args, i, given), "channel count", 1, 2);
        else if (arg == "--set")
            options.settings.push_back (parseSetting (optionValue (args, i)));
        else if (!arg.empty() && arg[0] == '-')
            throw UsageError ("unknown option " + arg);
        else if (options.bundlePath.empty())
            options.bundlePath = arg;
        else
            throw UsageError ("unexpected argument '" + arg + "'");
    }

    if (options.bundlePath.empty())
        throw UsageError ("render needs a BUNDLE");

    if (options.outputPath.empty())
        throw UsageError ("render needs --out OUT.wav");

    return options;
}

void printTraces (const Host& host)
{
    for (auto& line : host.getDiagnostics().getTraces())
        std::cerr << "plug-in trace (priority 0x" << std::hex << line.priority << std::dec << "): " << line.message
                  << "\n";

    for (auto& report : host.getDiagnostics().getAssertions())
        std::cerr << "plug-in assertion: " << report.file << ":" << report.line << ": " << report.expression << "\n";
}

const ComponentDescription& findComponent (const EffectDescription& effect, int numChannels)
{
    for (auto& component : effect.components)
        if (component.getNumInputChannels() == numChannels && component.getNumOutputChannels() == numChannels)
            return component;

    throw PluginError ("the plug-in offers no component for " + std::to_string (numChannels) + " channel(s)", 0);
}

int runDescribe (const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        throw UsageError ("describe expects exactly one BUNDLE");

    Host host (args[0]);
    host.registerPlugin();

    const auto& description = host.getDescription();
    std::cout << "Bundle: " << host.getModule().getModulePath() << "\n";
    printDescription (std::cout, description);

    const auto& effect = firstEffect (host);

    if (!effect.components.empty())
    {
        const auto& component = effect.components.back();
        auto instance = host.createInstance (effect, component, InstanceSettings{});
        std::cout << "\nParameters, read from an instance of the " << stemFormatName (component.getInputStemFormat())
                  << " component:\n";
        printParameters (std::cout, *instance);
    }

    printTraces (host);
    return exitSuccess;
}

int runRender (const std::vector<std::string>& args)
{
    const auto options = parseRenderOptions (args);

    AudioData input;

    if (!options.inputPath.empty())
    {
        int64_t framesPromised = 0;
        input = readAudioFile (options.inputPath, &framesPromised);

        // As audio tools do with a file cut short: what it holds is rendered, and the user is told.
        if (framesPromised > input.getNumFrames())
            std::cerr << "aax-host: warning: " << options.inputPath << ": header promises " << framesPromised
                      << " frames, the file holds " << input.getNumFrames() << "\n";

        if (input.getNumChannels() > 2)
            throw AudioFileError ("'" + options.inputPath + "' has " + std::to_string (input.getNumChannels()) +
                                  " channels; aax-host renders mono and stereo files");

        if (input.sampleRate < minSampleRate || input.sampleRate > maxSampleRate)
        {
            char rate[32];
            std::snprintf (rate, sizeof (rate), "%g", input.sampleRate);
            throw AudioFileError ("'" + options.inputPath + "' has a sample rate of " + rate +
                                  " Hz; aax-host renders at " + std::to_string (minSampleRate) + " to " +
                                  std::to_string (maxSampleRate) + " Hz");
        }

        if (options.sampleRate != 0 && options.sampleRate != (int)input.sampleRate)
            throw UsageError ("--rate " + std::to_string (options.sampleRate) + " differs from the input's rate " +
                              std::to_string ((int)input.sampleRate));
    }
    else
    {
        input = makeTestSignal (options.sampleRate != 0 ? options.sampleRate : 48000, options.channels);
    }

    auto start = Clock::now();
    Host host (options.bundlePath);
    const auto loadTime = millisecondsSince (start);

    start = Clock::now();
    host.registerPlugin();
    const auto describeTime = millisecondsSince (start);

    const auto& effect = firstEffect (host);
    const auto& component = findComponent (effect, input.getNumChannels());

    start = Clock::now();
    InstanceSettings settings;
    settings.sampleRate = input.sampleRate;
    settings.maxBlockSize = options.blockSize;
    auto instance = host.createInstance (effect, component, settings);
    const auto instantiateTime = millisecondsSince (start);

    for (auto& [id, text] : options.settings)
        applySetting (*instance, id, settingValue (*instance, id, text));

    start = Clock::now();
    const auto output = renderAudio (*instance, input, options.blockSize);
    const auto renderTime = millisecondsSince (start);

    writeAudioFile (options.outputPath, output);

    std::printf ("loading %.1f ms, describing %.1f ms, instantiating %.1f ms, rendering %.1f ms "
                 "(%d frames, %d channel(s), %g Hz, blocks of %d)\n",
                 loadTime, describeTime, instantiateTime, renderTime, output.getNumFrames(), output.getNumChannels(),
                 output.sampleRate, options.blockSize);
    std::printf ("wrote %s\n", options.outputPath.c_str());

    instance.reset();
    printTraces (host);
    return exitSuccess;
}
}

int main (int argc, char** argv)
{
    const std::vector<std::string> args (argv + 1, argv + argc);

    if (args.empty())
    {
        std::cerr << usageText;
        return exitUsage;
    }

    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help")
    {
        std::cout << usageText;
        return exitSuccess;
    }

    const std::vector<std::string> rest (args.begin() + 1, args.end());

    for (auto& arg : rest)
    {
        if (arg == "--help" || arg == "-h")
        {
            std::cout << usageText;
            return exitSuccess;
        }
    }

    try
    {
        if (args[0] == "describe")
            return runDescribe (rest);

        if (args[0] == "render")
            return runRender (rest);

        if (args[0] == "snapshot")
            return runSnapshotCommand (rest);

        if (args[0] == "show")
            return runShowCommand (rest);

        throw UsageError ("unknown command '" + args[0] + "'");
    }
    catch (const UsageError& e)
    {
        std::cerr << "aax-host: " << e.what() << "\n(aax-host --help shows the usage)\n";
        return exitUsage;
    }
    catch (const AudioFileError& e)
    {
        return reportFailure (e, exitFileError);
    }
    catch (const ImageFileError& e)
    {
        return reportFailure (e, exitFileError);
    }
    catch (const WindowError& e)
    {
        return reportFailure (e, exitNoDisplay);
    }
    catch (const ModuleError& e)
    {
        return reportFailure (e, exitFileError);
    }
    catch (const PluginError& e)
    {
        return reportFailure (e, exitPluginFailure);
    }
    catch (const std::exception& e)
    {
        // Anything else went wrong while running the plug-in: reported, never left to std::terminate.
        return reportFailure (e, exitPluginFailure);
    }
}
