#pragma once

#include <string>
#include <vector>

namespace aaxhost
{
/** aax-host snapshot BUNDLE --out EDITOR.png [--set ID=VALUE ...] [--after MS]: opens the plug-in's
    window, plays the built-in signal through it for a moment and writes the window's pixels as PNG.
    Returns the process's exit code; a failure is thrown (UsageError, WindowError, ImageFileError,
    ModuleError, PluginError) for aax-host's main to report.
*/
int runSnapshotCommand (const std::vector<std::string>& args);

/** aax-host show BUNDLE [--set ID=VALUE ...]: opens the plug-in's window for a person and plays the
    built-in signal through the plug-in until the window is closed (or the process is interrupted).
*/
int runShowCommand (const std::vector<std::string>& args);
}
