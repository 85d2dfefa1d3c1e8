#pragma once

#include <AAX_IString.h>

#include <string>

namespace aaxhost
{
/** The host's own string object, handed to the plug-in whenever it is to fill in a text. */
class HostString final : public AAX_IString
{
public:
    HostString() = default;
    explicit HostString (std::string initialText)
        : text (std::move (initialText))
    {
    }

    uint32_t Length() const override { return (uint32_t)text.size(); }
    uint32_t MaxLength() const override { return 0xFFFFFFFEu; }
    const char* Get() const override { return text.c_str(); }
    void Set (const char* newText) override { text = newText != nullptr ? newText : ""; }

    AAX_IString& operator= (const AAX_IString& other) override
    {
        Set (other.Get());
        return *this;
    }

    AAX_IString& operator= (const char* newText) override
    {
        Set (newText);
        return *this;
    }

    const std::string& str() const noexcept { return text; }

private:
    std::string text;
};

/** A text the plug-in passed, as the host keeps it: a null pointer reads as an empty text. */
inline std::string textOrEmpty (const char* text)
{
    return text != nullptr ? std::string (text) : std::string();
}
}
