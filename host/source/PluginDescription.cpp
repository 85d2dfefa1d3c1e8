#include "PluginDescription.h"

#include <algorithm>
#include <cstdio>

namespace aaxhost
{
std::optional<int32_t> PropertyList::get (int32_t property) const
{
    for (auto it = values.rbegin(); it != values.rend(); ++it)
        if (it->first == property)
            return it->second;

    return std::nullopt;
}

const void* PropertyList::getPointer (int32_t property) const
{
    const auto found = pointers.find (property);
    return found != pointers.end() ? found->second : nullptr;
}

void PropertyList::set (int32_t property, int32_t value)
{
    // A property added again replaces its value but keeps its first position.
    for (auto& entry : values)
    {
        if (entry.first == property)
        {
            entry.second = value;
            return;
        }
    }

    values.emplace_back (property, value);
}

bool PropertyList::remove (int32_t property)
{
    const auto sizeBefore = values.size() + pointers.size();
    values.erase (std::remove_if (values.begin(), values.end(), [property] (auto& e) { return e.first == property; }),
                  values.end());
    pointers.erase (property);
    return values.size() + pointers.size() != sizeBefore;
}

const char* toString (FieldKind kind) noexcept
{
    switch (kind)
    {
        case FieldKind::audioIn:
            return "audio in";
        case FieldKind::audioOut:
            return "audio out";
        case FieldKind::audioBufferLength:
            return "audio buffer length";
        case FieldKind::sampleRate:
            return "sample rate";
        case FieldKind::clock:
            return "clock";
        case FieldKind::sideChainIn:
            return "side-chain in";
        case FieldKind::dataInPort:
            return "data-in port";
        case FieldKind::auxOutputStem:
            return "aux output stem";
        case FieldKind::privateData:
            return "private data";
        case FieldKind::temporaryData:
            return "temporary data";
        case FieldKind::dmaInstance:
            return "DMA instance";
        case FieldKind::meters:
            return "meters";
        case FieldKind::midiNode:
            return "MIDI node";
        case FieldKind::reserved:
            return "reserved";
    }

    return "?";
}

const PropertyList* ComponentDescription::getProperties() const
{
    return processProcedures.empty() ? nullptr : &processProcedures.front().properties;
}

int32_t ComponentDescription::getInputStemFormat() const
{
    constexpr int32_t noStemFormat = (int32_t)0xFF9C0000u;
    const auto* properties = getProperties();
    return properties != nullptr ? properties->get (51).value_or (noStemFormat) : noStemFormat;
}

int32_t ComponentDescription::getOutputStemFormat() const
{
    constexpr int32_t noStemFormat = (int32_t)0xFF9C0000u;
    const auto* properties = getProperties();
    return properties != nullptr ? properties->get (52).value_or (noStemFormat) : noStemFormat;
}

int ComponentDescription::getNumInputChannels() const
{
    const auto format = getInputStemFormat();
    return format == (int32_t)0xFF9C0000u ? 0 : (int)((uint32_t)format & 0xFFFFu);
}

int ComponentDescription::getNumOutputChannels() const
{
    const auto format = getOutputStemFormat();
    return format == (int32_t)0xFF9C0000u ? 0 : (int)((uint32_t)format & 0xFFFFu);
}

void* EffectDescription::getProcedure (int32_t procedureID) const
{
    for (auto& [id, pointer] : procedures)
        if (id == procedureID)
            return pointer;

    return nullptr;
}

std::string fourCharCode (uint32_t code)
{
    char text[16];
    const char chars[4] = {(char)(code >> 24), (char)(code >> 16), (char)(code >> 8), (char)code};

    if (std::all_of (chars, chars + 4, [] (char c) { return c >= 0x20 && c < 0x7F; }))
        std::snprintf (text, sizeof (text), "'%c%c%c%c'", chars[0], chars[1], chars[2], chars[3]);
    else
        std::snprintf (text, sizeof (text), "0x%08X", code);

    return text;
}
}
