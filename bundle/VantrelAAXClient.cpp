// JUCE's AAX client, compiled for this platform.
//
// JUCE builds its AAX wrapper only on Windows or from its Objective-C++ file on macOS, which sets
// JUCE_INCLUDED_AAX_IN_MM before including the wrapper. This file does the same on Linux, so the
// client takes its non-mac code paths. The module is included from the build tree's copy, where the
// distribution's block that switches the AAX client off has been removed (see
// PrepareJuceClient.cmake); the client in turn includes the library's entry functions
// (<AAX_Exports.cpp>) into this translation unit.

#define JUCE_INCLUDED_AAX_IN_MM 1

#include <juce_audio_plugin_client/juce_audio_plugin_client_AAX.cpp>
