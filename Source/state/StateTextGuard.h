#pragma once

#include <cstddef>

namespace Utility
{
// Whether a saved state's text may be handed to JUCE's XML reader. JUCE's string and XML code step
// through UTF-8 by lead bytes and trust the text's structure: malformed sequences, deep nesting and
// a few constructs make it read past the end of its copy, overflow the stack or never return. This
// accepts only strict UTF-8 text none of whose readings can do that; anything it refuses is no
// state of the plug-in, and the caller leaves its state as it was. The text is read up to its
// first 0 byte or `size` bytes, whichever comes first.
bool isReadableStateText (const char* text, std::size_t size) noexcept;
}
