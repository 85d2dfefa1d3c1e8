#include "StateTextGuard.h"

#include <expat.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string_view>

namespace Utility
{
namespace
{
    // JUCE's reader calls itself once per level of nesting; the plug-in's own states nest two levels.
    constexpr int maximumDepth = 32;

    // JUCE's reader reads at most this many digits of a character reference and takes the rest of it
    // for text; well-formed XML allows any number of leading zeros.
    constexpr size_t maximumHexadecimalDigits = 8;
    constexpr size_t maximumDecimalDigits = 12;

    bool holdsCharacterReferenceTooLongForTheReader (std::string_view text) noexcept
    {
        constexpr std::string_view hexadecimalDigits = "0123456789abcdefABCDEF", decimalDigits = "0123456789";

        for (auto start = text.find ("&#"); start != std::string_view::npos; start = text.find ("&#", start + 2))
        {
            const auto isHexadecimal = text.compare (start + 2, 1, "x") == 0;
            const auto digitsStart = start + (isHexadecimal ? 3 : 2);
            const auto digitsEnd =
                text.find_first_not_of (isHexadecimal ? hexadecimalDigits : decimalDigits, digitsStart);
            const auto numDigits = (digitsEnd == std::string_view::npos ? text.size() : digitsEnd) - digitsStart;

            if (numDigits > (isHexadecimal ? maximumHexadecimalDigits : maximumDecimalDigits))
                return true;
        }

        return false;
    }

    // Parses the text with expat, a strict, non-recursive XML parser (UTF-8 and well-formedness
    // included), and stops at the first construct that JUCE's reader must not be handed.
    class WellFormedStateCheck
    {
    public:
        bool accepts (std::string_view text) noexcept
        {
            if (text.size() > INT_MAX)
                return false;

            // Whatever the declaration says, the framework reads the text as UTF-8.
            const std::unique_ptr<XML_ParserStruct, decltype (&XML_ParserFree)> parser (XML_ParserCreate ("UTF-8"),
                                                                                        &XML_ParserFree);

            if (parser == nullptr)
                return false;

            XML_SetUserData (parser.get(), this);
            XML_SetElementHandler (parser.get(), startElement, endElement);
            XML_SetProcessingInstructionHandler (parser.get(), processingInstruction);
            XML_SetStartDoctypeDeclHandler (parser.get(), startDocumentType);

            activeParser = parser.get();
            return XML_Parse (parser.get(), text.data(), (int)text.size(), XML_TRUE) == XML_STATUS_OK;
        }

    private:
        void refuse() noexcept { XML_StopParser (activeParser, XML_FALSE); }

        static WellFormedStateCheck& from (void* userData) noexcept
        {
            return *static_cast<WellFormedStateCheck*> (userData);
        }

        static void XMLCALL startElement (void* userData, const XML_Char*, const XML_Char**) noexcept
        {
            auto& check = from (userData);

            if (++check.depth > maximumDepth)
                check.refuse();
        }

        static void XMLCALL endElement (void* userData, const XML_Char*) noexcept { --from (userData).depth; }

        // JUCE's reader never returns from an element whose content holds an instruction followed by
        // text. Before and after the root element, instructions are skipped alike.
        static void XMLCALL processingInstruction (void* userData, const XML_Char*, const XML_Char*) noexcept
        {
            auto& check = from (userData);

            if (check.depth > 0)
                check.refuse();
        }

        // JUCE's reader reads a document type by rules of its own and expands the entities it defines
        // as texts it reads again; no state of the plug-in has one.
        static void XMLCALL startDocumentType (void* userData, const XML_Char*, const XML_Char*, const XML_Char*,
                                               int) noexcept
        {
            from (userData).refuse();
        }

        XML_Parser activeParser = nullptr;
        int depth = 0;
    };
}

bool isReadableStateText (const char* text, std::size_t size) noexcept
{
    if (text == nullptr)
        return false;

    // The framework reads the text up to its first 0 byte, and its reader skips white space before
    // the declaration, where well-formed XML allows none.
    auto document = std::string_view (text, size);
    document = document.substr (0, document.find ('\0'));
    document.remove_prefix (std::min (document.size(), document.find_first_not_of (" \t\r\n")));

    return !holdsCharacterReferenceTooLongForTheReader (document) && WellFormedStateCheck().accepts (document);
}
}
