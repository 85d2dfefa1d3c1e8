#pragma once

#include <stdexcept>

namespace aaxhost
{
/** What aax-host exits with; scripts and tests tell its failures apart by these. */
enum ExitCode
{
    exitSuccess = 0,
    exitPluginFailure = 1, // the plug-in refused or failed a call
    exitUsage = 2,         // bad command line
    exitFileError = 3,     // bundle, audio or image file could not be read or written
    exitNoDisplay = 4      // no X display, or the window could not be opened on it
};

/** A command line aax-host cannot run; reported together with a pointer to --help. */
struct UsageError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};
}
