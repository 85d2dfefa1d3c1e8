#pragma once

#include <cstddef>

namespace Utility
{
// Whether a saved state's text may be handed to JUCE's XML reader. That reader follows the text's
// structure recursively and leniently: deep nesting overflows the stack, a few constructs make it
// loop forever or read past the end of its copy, and some mistakes it reads one way while its writer
// saves another. This accepts a text only when it is a well-formed XML document (strict UTF-8
// included) that nests at most 32 elements deep, holds neither a document type nor an instruction
// inside its root element, and has no character reference with more digits than the reader reads;
// the number of elements is not bounded. Anything it refuses is no state of the plug-in, and the
// caller leaves its state as it was. The text is read up to its first 0 byte or `size` bytes,
// whichever comes first, and may start with white space.
bool isReadableStateText (const char* text, std::size_t size) noexcept;
}
