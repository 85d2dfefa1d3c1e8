#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aaxhost
{
/** A readable name for a stem format ("Mono", "Stereo", "5.1", ...), or its hex value if unknown. */
std::string stemFormatName (int32_t stemFormat);

/** The stem formats the host knows, in the order it lists them in its feature answers. */
const std::vector<int32_t>& getKnownStemFormats();
}
