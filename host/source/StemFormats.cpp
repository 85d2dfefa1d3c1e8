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

const std::vector<int32_t>& getKnownStemFormats()
{
    // (layout index, channel count) of every stem format the host answers for.
    static const std::vector<int32_t> formats = []
    {
        const int pairs[][2] = {{0, 1},   {1, 2},   {2, 3},   {3, 4},   {4, 4},   {5, 5},   {6, 6},
                                {7, 6},   {8, 7},   {9, 7},   {10, 8},  {11, 7},  {12, 8},  {20, 9},
                                {13, 10}, {14, 4},  {18, 9},  {19, 16}, {21, 7},  {22, 8},  {23, 9},
                                {24, 10}, {25, 11}, {26, 12}, {35, 13}, {36, 14}, {27, 13}, {28, 14},
                                {29, 15}, {30, 16}, {31, 25}, {32, 36}, {33, 49}, {34, 64}};

        std::vector<int32_t> result;

        for (auto& pair : pairs)
            result.push_back ((int32_t)(((uint32_t)pair[0] << 16) | (uint32_t)pair[1]));

        return result;
    }();

    return formats;
}
}
