#include "StemFormats.h"

#include <cstdio>

namespace aaxhost
{
std::string stemFormatName (int32_t stemFormat)
{
    switch ((uint32_t)stemFormat)
    {
        case 0x00000001u:
            return "Mono";
        case 0x00010002u:
            return "Stereo";
        case 0x00020003u:
            return "LCR";
        case 0x00030004u:
            return "LCRS";
        case 0x00040004u:
            return "Quad";
        case 0x00050005u:
            return "5.0";
        case 0x00060006u:
            return "5.1";
        case 0x00070006u:
            return "6.0";
        case 0x00080007u:
            return "6.1";
        case 0x00090007u:
            return "7.0 SDDS";
        case 0x000A0008u:
            return "7.1 SDDS";
        case 0x000B0007u:
            return "7.0 DTS";
        case 0x000C0008u:
            return "7.1 DTS";
        case 0x000D000Au:
            return "7.1.2";
        case 0x000E0004u:
            return "Ambisonics 1st order";
        case 0x00120009u:
            return "Ambisonics 2nd order";
        case 0x00130010u:
            return "Ambisonics 3rd order";
        case 0x00140009u:
            return "7.0.2";
        case 0xFF9C0000u:
            return "None";
        case 0xFFFF0000u:
            return "Any";
        default:
            break;
    }

    char text[32];
    std::snprintf (text, sizeof (text), "0x%08X", (uint32_t)stemFormat);
    return text;
}
}
