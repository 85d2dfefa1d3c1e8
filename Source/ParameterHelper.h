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

// Turns the parameter declarations into the framework's parameters.
class ParameterHelper
{
public:
    ParameterHelper() = delete;

    static std::unique_ptr<juce::RangedAudioParameter>
    descriptorToParameter (const Parameters::SliderDescriptor<float>& descriptor);

    static std::unique_ptr<juce::RangedAudioParameter>
    descriptorToParameter (const Parameters::BooleanDescriptor& descriptor);
};
}
