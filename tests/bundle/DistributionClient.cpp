// JUCE's AAX client compiled from the installed module, as the distribution ships it, in a build that
// enables one more plug-in format (with AAX alone, JUCE stops at its "enable at least one plug-in
// format" check). The distribution's settings header switches AAX off, so this translation unit
// compiles to nothing: the input on which the bundle's symbol check must fail.

#undef JucePlugin_Build_VST3
#define JucePlugin_Build_VST3 1

#define JUCE_INCLUDED_AAX_IN_MM 1

#include <juce_audio_plugin_client/juce_audio_plugin_client_AAX.cpp>
