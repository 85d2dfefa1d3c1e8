#include "ParameterHelper.h"

#include <cmath>

namespace Utility
{
juce::String sliderStringFromValue (float value, int /*maximumStringLength*/)
{
    // Hosts ask for short texts, but a cut number would be misread: the limit is not applied.
    return juce::String (value, 2);
}

float sliderValueFromString (const juce::String& text)
{
    auto position = text.getCharPointer();
    const auto number = juce::CharacterFunctions::readDoubleValue (position);

    // "nan" parses as a number but would poison the signal chain; treat it like any other text
    // that does not start with a number.
    if (std::isnan (number))
        return 0.0f;

    return static_cast<float> (number);
}

juce::String booleanStringFromValue (bool value, int /*maximumStringLength*/)
{
    return value ? "On" : "Off";
}

bool booleanValueFromString (const juce::String& text)
{
    return text.equalsIgnoreCase ("On");
}

std::unique_ptr<juce::RangedAudioParameter>
ParameterHelper::descriptorToParameter (const Parameters::SliderDescriptor<float>& descriptor)
{
    const auto attributes = juce::AudioParameterFloatAttributes()
                                .withLabel (descriptor.label)
                                .withCategory (juce::AudioProcessorParameter::genericParameter)
                                .withStringFromValueFunction (sliderStringFromValue)
                                .withValueFromStringFunction (sliderValueFromString);

    return std::make_unique<juce::AudioParameterFloat> (
        juce::ParameterID{descriptor.id, 0}, descriptor.name,
        juce::NormalisableRange<float>{descriptor.min, descriptor.max, descriptor.interval, descriptor.skew, false},
        descriptor.defaultValue, attributes);
}

std::unique_ptr<juce::RangedAudioParameter>
ParameterHelper::descriptorToParameter (const Parameters::BooleanDescriptor& descriptor)
{
    const auto attributes = juce::AudioParameterBoolAttributes()
                                .withStringFromValueFunction (booleanStringFromValue)
                                .withValueFromStringFunction (booleanValueFromString);

    return std::make_unique<juce::AudioParameterBool> (juce::ParameterID{descriptor.id, 0}, descriptor.name,
                                                       descriptor.defaultValue, attributes);
}
}
