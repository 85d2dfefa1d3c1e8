// Helpers for the native (host-processor) side of an effect.
#ifndef AAX_UTILSNATIVE_H
#define AAX_UTILSNATIVE_H

// JUCE's client includes this header with the rest of the library's interface but uses nothing of it:
// the native process callback reaches everything through its algorithm context. It exists so that the
// client's include list resolves, and brings in the basic types an includer would expect beside it.
#include "AAX.h"

#endif
