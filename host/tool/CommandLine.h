#pragma once

#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace aaxhost
{
class Host;
class PluginInstance;
struct EffectDescription;

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

/** The value given to the option at args[index], which is the next argument; moves `index` onto it. Throws
    UsageError when the option is the last argument.
*/
const std::string& optionValue (const std::vector<std::string>& args, size_t& index);

/** Like optionValue, for an option that may be given only once: `given` collects the options seen so far.
    Throws UsageError when the option was given before.
*/
const std::string& singleOptionValue (const std::vector<std::string>& args, size_t& index,
                                      std::set<std::string>& given);

/** Splits the value of --set, "ID=VALUE", into ID and VALUE; throws UsageError for anything without an ID. */
std::pair<std::string, std::string> parseSetting (const std::string& setting);

/** The first effect the plug-in described; throws PluginError when it described none. */
const EffectDescription& firstEffect (const Host& host);

/** The normalized value that `text` stands for in the parameter `id`; throws UsageError when the instance has
    no such parameter or does not understand the text.
*/
double settingValue (const PluginInstance& instance, const std::string& id, const std::string& text);

/** Sets the parameter as host automation does, and prints the value text the instance reports for it then. */
void applySetting (PluginInstance& instance, const std::string& id, double normalized);
}
