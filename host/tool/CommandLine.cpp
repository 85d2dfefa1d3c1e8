#include "CommandLine.h"

#include "Host.h"
#include "PluginInstance.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace aaxhost
{
const std::string& optionValue (const std::vector<std::string>& args, size_t& index)
{
    if (index + 1 >= args.size())
        throw UsageError ("option " + args[index] + " needs a value");

    return args[++index];
}

const std::string& singleOptionValue (const std::vector<std::string>& args, size_t& index, std::set<std::string>& given)
{
    if (!given.insert (args[index]).second)
        throw UsageError ("option " + args[index] + " is given more than once");

    return optionValue (args, index);
}

std::pair<std::string, std::string> parseSetting (const std::string& setting)
{
    const auto equals = setting.find ('=');

    if (equals == std::string::npos || equals == 0)
        throw UsageError ("--set expects ID=VALUE, not '" + setting + "'");

    return {setting.substr (0, equals), setting.substr (equals + 1)};
}

const EffectDescription& firstEffect (const Host& host)
{
    const auto& description = host.getDescription();

    if (description.effects.empty())
        throw PluginError ("the plug-in described no effect", 0);

    return description.effects.front();
}

namespace
{
    /** Whether a text starts with a number as the plug-in reads one ("6", "-20 dB", ".5"), rather than with
        something it would quietly read as 0.
    */
    bool startsWithNumber (const std::string& text)
    {
        size_t i = 0;

        while (i < text.size() && std::isspace ((unsigned char)text[i]))
            ++i;

        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;

        if (i < text.size() && text[i] == '.')
            ++i;

        return i < text.size() && std::isdigit ((unsigned char)text[i]);
    }

    /** Whether the text starts with a number too large for a double ("-1e400"): it reads as infinity,
        which the plug-in would quietly limit to the end of its range.
    */
    bool startsWithNumberBeyondADouble (const std::string& text)
    {
        return startsWithNumber (text) && !std::isfinite (std::strtod (text.c_str(), nullptr));
    }

    bool equalsIgnoringCase (const std::string& a, const std::string& b)
    {
        return a.size() == b.size() &&
               std::equal (a.begin(), a.end(), b.begin(),
                           [] (char x, char y)
                           { return std::tolower ((unsigned char)x) == std::tolower ((unsigned char)y); });
    }

    /** The texts of every step of a stepped or switch parameter ("Off", "On"); none for a continuous one. */
    std::vector<std::string> stepTexts (const PluginInstance& instance, const std::string& id)
    {
        constexpr int32_t maxListedSteps = 64;
        const auto numSteps = instance.getParameterInfo (id).numSteps;
        std::vector<std::string> texts;

        if (numSteps >= 2 && numSteps <= maxListedSteps)
            for (int32_t step = 0; step < numSteps; ++step)
                texts.push_back (instance.getTextForValue (id, (double)step / (double)(numSteps - 1)));

        return texts;
    }
}

double settingValue (const PluginInstance& instance, const std::string& id, const std::string& text)
{
    if (!instance.hasParameter (id))
        throw UsageError ("the plug-in has no parameter '" + id + "'");

    // The plug-in reads any text it does not understand as 0 (or as "Off"), so the host checks the text
    // first: a number, or one of the step texts. A switch whose steps are named ("Off", "On") reads only
    // its names, so a number is refused for it.
    const auto texts = stepTexts (instance, id);
    const auto namedSteps = !texts.empty() && std::none_of (texts.begin(), texts.end(), startsWithNumber);
    const auto matches = [&] (const std::string& stepText) { return equalsIgnoringCase (stepText, text); };

    if (std::none_of (texts.begin(), texts.end(), matches) && (namedSteps || !startsWithNumber (text)))
    {
        std::string expected = namedSteps ? "" : "a number";

        for (size_t i = 0; i < texts.size(); ++i)
            expected += (i == 0 && namedSteps ? "\"" : i + 1 < texts.size() ? ", \"" : " or \"") + texts[i] + "\"";

        throw UsageError ("invalid value '" + text + "' for '" + id + "' (expected " + expected + ")");
    }

    if (startsWithNumberBeyondADouble (text))
        throw UsageError ("invalid value '" + text + "' for '" + id + "' (expected a finite number)");

    const auto normalized = instance.getValueFromText (id, text);

    if (!normalized)
        throw UsageError ("the plug-in does not understand '" + text + "' for '" + id + "'");

    return *normalized;
}

void applySetting (PluginInstance& instance, const std::string& id, double normalized)
{
    instance.setNormalizedValue (id, normalized);
    std::cout << "set " << id << " = " << instance.getTextForValue (id, instance.getNormalizedValue (id)) << "\n";
}
}
