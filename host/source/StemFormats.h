#pragma once

#include <cstdint>
#include <string>

namespace aaxhost
{
/** A readable name for a stem format ("Mono", "Stereo", "5.1", ...), or its hex value if unknown. */
std::string stemFormatName (int32_t stemFormat);
}
