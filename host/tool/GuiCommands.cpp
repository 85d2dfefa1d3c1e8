#include "GuiCommands.h"

#include "AudioPlayer.h"
#include "CommandLine.h"
#include "Host.h"
#include "HostWindow.h"
#include "Image.h"
#include "PluginInstance.h"
#include "PluginWindow.h"
#include "RunLoop.h"
#include "TestSignal.h"
#include "X11Platform.h"

#include <AAX_Errors.h>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <set>

namespace aaxhost
{
namespace
{
    constexpr int sampleRate = 48000, blockSize = 512, numChannels = 2;

    struct GuiOptions
    {
        std::string bundlePath, outputPath;
        std::vector<std::pair<std::string, std::string>> settings;
        int afterMilliseconds = 1000;
    };

    GuiOptions parseOptions (const std::vector<std::string>& args, bool isSnapshot)
    {
        GuiOptions options;
        std::set<std::string> given;
        const std::string command = isSnapshot ? "snapshot" : "show";

        for (size_t i = 0; i < args.size(); ++i)
        {
            const auto& arg = args[i];

            if (isSnapshot && arg == "--out")
                options.outputPath = singleOptionValue (args, i, given);
            else if (isSnapshot && arg == "--after")
            {
                const auto& text = singleOptionValue (args, i, given);
                char* end = nullptr;
                const auto value = std::strtol (text.c_str(), &end, 10);

                if (text.empty() || *end != '\0' || value < 0 || value > 60000)
                    throw UsageError ("invalid time '" + text + "' for --after (expected 0 to 60000)");

                options.afterMilliseconds = (int)value;
            }
            else if (arg == "--set")
                options.settings.push_back (parseSetting (optionValue (args, i)));
            else if (!arg.empty() && arg[0] == '-')
                throw UsageError ("unknown option " + arg + " for " + command);
            else if (options.bundlePath.empty())
                options.bundlePath = arg;
            else
                throw UsageError ("unexpected argument '" + arg + "'");
        }

        if (options.bundlePath.empty())
            throw UsageError (command + " needs a BUNDLE");

        if (isSnapshot && options.outputPath.empty())
            throw UsageError ("snapshot needs --out EDITOR.png");

        return options;
    }

    /** What both commands share: the plug-in loaded, one stereo instance and its window open. */
    struct OpenEditor
    {
        explicit OpenEditor (const GuiOptions& options)
            : host (options.bundlePath)
        {
            host.registerPlugin();

            const auto& effect = firstEffect (host);
            const ComponentDescription* stereo = nullptr;

            for (auto& component : effect.components)
                if (component.getNumInputChannels() == numChannels && component.getNumOutputChannels() == numChannels)
                    stereo = &component;

            if (stereo == nullptr)
                throw PluginError ("the plug-in offers no stereo component", 0);

            InstanceSettings settings;
            settings.sampleRate = sampleRate;
            settings.maxBlockSize = blockSize;
            instance = host.createInstance (effect, *stereo, settings);

            // Parameter names are checked before anything is shown.
            for (auto& [id, text] : options.settings)
                settingValue (*instance, id, text);

            window = std::make_unique<PluginWindow> (
                *instance, effect, effect.names.empty() ? std::string ("aax-host") : effect.names.front());

            for (auto& [id, text] : options.settings)
                applySetting (*instance, id, *instance->getValueFromText (id, text));

            player = std::make_unique<AudioPlayer> (*instance, makeTestSignal (sampleRate, numChannels), blockSize);
        }

        ~OpenEditor()
        {
            // The audio stops before the window closes, and the window before the instance goes.
            player.reset();
            window.reset();
            instance.reset();
        }

        Host host;
        std::unique_ptr<PluginInstance> instance;
        std::unique_ptr<PluginWindow> window;
        std::unique_ptr<AudioPlayer> player;
    };

    bool isBlank (const Image& image)
    {
        for (size_t i = 0; i < image.pixels.size(); i += 4)
            if (image.pixels[i] != 0 || image.pixels[i + 1] != 0 || image.pixels[i + 2] != 0)
                return false;

        return true;
    }

    /** Runs a command that needs the display; its command line has been read and checked before. */
    template <typename Command>
    int runGuiCommand (const char* name, Command&& command)
    {
        if (!initialiseX11())
        {
            std::cerr << "aax-host: " << name << " needs an X display (is DISPLAY set?)\n";
            return exitNoDisplay;
        }

        return command();
    }

    void stopMainRunLoop (int)
    {
        RunLoop::getMain().stop();
    }
}

int runSnapshotCommand (const std::vector<std::string>& args)
{
    const auto options = parseOptions (args, true);

    return runGuiCommand ("snapshot",
                          [&]
                          {
                              OpenEditor editor (options);
                              auto& runLoop = RunLoop::getMain();

                              editor.player->start();
                              runLoop.runFor (std::chrono::milliseconds (options.afterMilliseconds));

                              // The editor renders on its own thread once it is showing; wait for a first
                              // frame if the time given was too short for one.
                              auto& window = editor.window->getWindow();
                              auto picture = window.capture();

                              for (int attempt = 0; attempt < 100 && isBlank (picture); ++attempt)
                              {
                                  runLoop.runFor (std::chrono::milliseconds (50));
                                  picture = window.capture();
                              }

                              editor.player->stop();
                              writePngFile (options.outputPath, picture);
                              std::cout << "wrote " << options.outputPath << " (" << picture.width << " x "
                                        << picture.height << ", after " << options.afterMilliseconds
                                        << " ms of audio)\n";
                              return exitSuccess;
                          });
}

int runShowCommand (const std::vector<std::string>& args)
{
    const auto options = parseOptions (args, false);

    return runGuiCommand ("show",
                          [&]
                          {
                              OpenEditor editor (options);
                              auto& runLoop = RunLoop::getMain();

                              std::signal (SIGINT, stopMainRunLoop);
                              std::signal (SIGTERM, stopMainRunLoop);

                              editor.player->start();
                              std::cout << "Playing the built-in signal through the plug-in; close the window "
                                           "(or press Ctrl-C) to stop.\n";

                              auto& window = editor.window->getWindow();

                              while (!window.isCloseRequested() && !runLoop.isStopRequested())
                                  runLoop.runUntil ([&] { return window.isCloseRequested(); }, std::chrono::hours (1));

                              std::signal (SIGINT, SIG_DFL);
                              std::signal (SIGTERM, SIG_DFL);
                              return exitSuccess;
                          });
}
}
