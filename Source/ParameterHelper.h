#pragma once

#include "Parameters.h"

#include <juce_audio_processors/juce_audio_processors.h>

namespace Utility
{
// The texts shown for and typed into the parameters. Every float parameter shows two decimals
// whatever its step, and switches read "On" and "Off".
juce::String sliderStringFromValue (float value, int maximumStringLength);
float sliderValueFromString (const juce::String& text);
juce::String booleanStringFromValue (bool value, int maximumStringLength);
bool booleanValueFromString (const juce::String& text);

// JUCE reads a number's exponent into an int with no bound, so a text such as "1e99999999999"
// overflows it. This gives the text with such an exponent cut to four digits, which reads as the
// exponent itself should: infinity, or 0 when it is negative. Any other text is given back as it is.
juce::String withReadableExponent (const juce::String& text);

// Turns the parameter declarations into the framework's parameters.
class ParameterHelper
{
public:
    ParameterHelper() = delete;

    static std::unique_ptr<juce::RangedAudioParameter>
    descriptorToParameter (const Parameters::SliderDescriptor<float>& descriptor);

    static std::unique_ptr<juce::RangedAudioParameter>
    descriptorToParameter (const Parameters::BooleanDescriptor& descriptor);

    // The parameters keep their value when a host hands them one that is not a finite number. A float
    // parameter learns of an infinity only from the value its listeners are told, and puts its value
    // back from a listener of its own, which must hear of each change before every other listener.
    // JUCE calls a parameter's listeners last registered first: this moves that listener of each of the
    // processor's parameters to the end again. Call it whenever other listeners have been registered
    // (the state's own, the editor's attachments).
    static void refuseInfinitiesBeforeOtherListeners (juce::AudioProcessor& processor);
};
}
