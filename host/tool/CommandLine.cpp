#include "CommandLine.h"

#include "Host.h"
#include "PluginInstance.h"

#include <iostream>

namespace aaxhost
{
const std::string& optionValue (const std::vector<std::string>& args, size_t& index)
{
    if (index + 1 >= args.size())
        throw UsageError ("option " + args[index] + " needs a value");

    return args[++index];
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

double settingValue (const PluginInstance& instance, const std::string& id, const std::string& text)
{
    if (!instance.hasParameter (id))
        throw UsageError ("the plug-in has no parameter '" + id + "'");

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
