#include "StateTextGuard.h"

#include <algorithm>
#include <string_view>

namespace Utility
{
namespace
{
    // Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above U+10FFFF, no sequence cut
    // short. JUCE's own check lets overlong forms through, and its XML reader then keeps partial
    // sequences in names, so a state restored from such a text would be saved as one that cannot be
    // read again.
    bool isWellFormedUtf8 (const unsigned char* text, size_t size) noexcept
    {
        for (size_t i = 0; i < size;)
        {
            const auto lead = text[i];

            // The framework reads a text only up to its first 0 byte.
            if (lead == 0)
                return true;

            if (lead < 0x80)
            {
                ++i;
                continue;
            }

            size_t length = 0;
            unsigned char low = 0x80, high = 0xbf; // the allowed range of the second byte

            if (lead >= 0xc2 && lead <= 0xdf)
                length = 2;
            else if (lead >= 0xe0 && lead <= 0xef)
            {
                length = 3;
                low = lead == 0xe0 ? 0xa0 : 0x80;
                high = lead == 0xed ? 0x9f : 0xbf;
            }
            else if (lead >= 0xf0 && lead <= 0xf4)
            {
                length = 4;
                low = lead == 0xf0 ? 0x90 : 0x80;
                high = lead == 0xf4 ? 0x8f : 0xbf;
            }
            else
                return false;

            if (size - i < length || text[i + 1] < low || text[i + 1] > high)
                return false;

            for (size_t k = 2; k < length; ++k)
                if ((text[i + k] & 0xc0) != 0x80)
                    return false;

            i += length;
        }

        return true;
    }

    // JUCE's XML reader calls itself once per level of nesting, so a deep enough text overflows the
    // stack, and it never returns from an element whose content holds a processing instruction
    // followed by text ("<a><?p?>t</a>"). Its reading of a malformed text is hard to follow (it goes on
    // after errors, and reads quotes, comments and declarations by rules of its own), so the checks below
    // do not try to follow it; they only bound what any reading could do:
    //  - every level of nesting starts at a '<' of its own, so a text with few of them cannot nest
    //    deeply; the plug-in's own states hold nine;
    //  - before the root element the reader skips white space, comments and instructions exactly as
    //    below; from the first other '<' on, any "<?" at all means the text is none of the plug-in's
    //    states;
    //  - a hexadecimal character reference cut off by the end of the text ("&#x4") makes the reader
    //    step past the end, so such a text is refused too;
    //  - the reader parses the name of an unknown entity that starts with '<' ("&<a>&#x4;") as a text
    //    of its own, whose end is where the name ends, and a document type declaration can define
    //    entities as any text: neither is in any of the plug-in's states, so "&<" and any "<!" but a
    //    comment or a CDATA section are refused.
    // The reader sees the text only up to its first 0 byte.
    bool endsInsideHexadecimalReference (std::string_view text) noexcept
    {
        // Hexadecimal digits hold no '&', so such a reference starts at the last one.
        const auto lastAmpersand = text.rfind ('&');

        if (lastAmpersand == std::string_view::npos)
            return false;

        const auto reference = text.substr (lastAmpersand);
        return (reference.substr (0, 3) == "&#x" || reference.substr (0, 3) == "&#X") &&
               reference.find_first_not_of ("0123456789abcdefABCDEF", 3) == std::string_view::npos;
    }

    bool holdsDeclarationOtherThanCommentOrCData (std::string_view text) noexcept
    {
        for (auto position = text.find ("<!"); position != std::string_view::npos;
             position = text.find ("<!", position + 2))
            if (text.compare (position, 4, "<!--") != 0 && text.compare (position, 9, "<![CDATA[") != 0)
                return true;

        return false;
    }

    bool holdsInstructionFromTheRootOn (std::string_view text) noexcept
    {
        const auto skipPast = [&text] (size_t from, std::string_view terminator)
        {
            const auto end = text.find (terminator, from);
            return end == std::string_view::npos ? text.size() : end + terminator.size();
        };

        for (auto position = text.find ('<'); position != std::string_view::npos; position = text.find ('<', position))
        {
            const auto markup = text.substr (position);

            // The reader looks for an instruction's end after its "<?", and a comment's after "<!--".
            if (markup.substr (0, 2) == "<?")
                position = skipPast (position + 2, "?>");
            else if (markup.substr (0, 4) == "<!--")
                position = skipPast (position + 4, "-->");
            else
                return text.find ("<?", position) != std::string_view::npos;
        }

        return false;
    }

    bool holdsOnlyBoundedMarkup (std::string_view text) noexcept
    {
        constexpr std::ptrdiff_t maximumMarkup = 64;

        text = text.substr (0, text.find ('\0'));

        return std::count (text.begin(), text.end(), '<') <= maximumMarkup &&
               text.find ("&<") == std::string_view::npos && !holdsDeclarationOtherThanCommentOrCData (text) &&
               !endsInsideHexadecimalReference (text) && !holdsInstructionFromTheRootOn (text);
    }
}

bool isReadableStateText (const char* text, std::size_t size) noexcept
{
    return text != nullptr && isWellFormedUtf8 (reinterpret_cast<const unsigned char*> (text), size) &&
           holdsOnlyBoundedMarkup ({text, size});
}
}
