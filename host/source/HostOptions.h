#pragma once

#include <AAX_Enums.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace aaxhost
{
/** How the host answers a query for its component factory. */
enum class FactoryAnswer
{
    offered,        // the factory, as a host normally answers
    missing,        // the query fails
    successWithNull // the query succeeds but gives a null pointer (a broken host)
};

/** What the host offers and answers. The defaults are those of a complete, well-behaved host; tests change
    them to see how the plug-in copes with other hosts.
*/
struct HostOptions
{
    std::string hostName = "aax-host";

    // Host services and component factory
    int hostServicesVersions = 3;                          // 0 to 3
    FactoryAnswer startupFactory = FactoryAnswer::offered; // the factory as ACFStartup sees it
    FactoryAnswer registrationFactory = FactoryAnswer::offered;

    // Registration
    bool offerDescriptionHost = true;
    bool collectionOffersPluginDefinition = true;
    int effectDescriptorVersions = 2;    // 1 or 2
    int componentDescriptorVersions = 3; // 1 to 3
    int propertyMapVersions = 3;         // 1 to 3

    /** The stem-format feature: its support level (none: the host has no information on the feature), the
        answer given for every known stem format, and answers for single formats that override it (a value
        of std::nullopt leaves the format out of the feature's property map).
    */
    std::optional<AAX_ESupportLevel> stemFormatSupportLevel = AAX_eSupportLevel_ByProperty;
    std::optional<int32_t> defaultStemFormatAnswer = AAX_eSupportLevel_Supported;
    std::map<int32_t, std::optional<int32_t>> stemFormatAnswers;

    // Instances
    int controllerVersions = 3; // 0 to 3
    int transportVersions = 3;  // 0 to 3
    bool offerAutomationDelegate = true;
    bool answerSetRequests = true; // the host confirms each set-value request with UpdateParameterNormalizedValue
    // Every query to an instance's host objects succeeds with a null pointer (a broken host).
    bool instanceAnswersWithNull = false;
};
}
