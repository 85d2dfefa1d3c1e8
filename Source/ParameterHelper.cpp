#include "ParameterHelper.h"

#include <atomic>
#include <cmath>

namespace Utility
{
namespace
{
    // JUCE's AAX client hands a host's normalised value to a parameter as it comes, then tells the
    // parameter's listeners of the change with that same value. These parameters keep their value when
    // it is not a finite number, so that the processor, the editor and a saved state never see one.
    //
    // The framework's parameters store the value in setValue, which they keep to themselves, and then
    // call valueChanged. A float parameter limits an infinity to the end of its range before that: only
    // its listeners learn that the value was an infinity, and one of its own puts the value before the
    // change back. JUCE calls a parameter's listeners last registered first, so that one is registered
    // again after every other (see ParameterHelper::refuseInfinitiesBeforeOtherListeners).
    class FiniteAudioParameterFloat final : public juce::AudioParameterFloat
    {
    public:
        using juce::AudioParameterFloat::AudioParameterFloat;

        ~FiniteAudioParameterFloat() override { removeListener (&infinityGuard); }

        void hearOfChangesBeforeOtherListeners()
        {
            removeListener (&infinityGuard);
            addListener (&infinityGuard);
        }

    private:
        // Stores a value without telling anyone: it is the value the parameter already had.
        void putBack (float heldValue)
        {
            static_cast<juce::AudioProcessorParameter&> (*this).setValue (convertTo0to1 (heldValue));
        }

        void valueChanged (float newValue) override
        {
            if (std::isnan (newValue))
                putBack (currentValue);
            else
                valueBeforeLastChange = currentValue.exchange (newValue);
        }

        // Putting back twice puts back the same value.
        void putBackValueBeforeLastChange()
        {
            putBack (valueBeforeLastChange);
            valueBeforeLastChange = currentValue.load();
        }

        struct InfinityGuard final : juce::AudioProcessorParameter::Listener
        {
            explicit InfinityGuard (FiniteAudioParameterFloat& p)
                : parameter (p)
            {
            }

            void parameterValueChanged (int, float announcedValue) override
            {
                if (!std::isfinite (announcedValue))
                    parameter.putBackValueBeforeLastChange();
            }

            void parameterGestureChanged (int, bool) override {}

            FiniteAudioParameterFloat& parameter;
        };

        std::atomic<float> currentValue{get()};
        std::atomic<float> valueBeforeLastChange{get()};
        InfinityGuard infinityGuard{*this};
    };

    class FiniteAudioParameterBool final : public juce::AudioParameterBool
    {
    public:
        using juce::AudioParameterBool::AudioParameterBool;

    private:
        // A switch stores the normalised value it is given, infinities included, so it can put back its
        // last state before anyone hears of the change.
        void valueChanged (bool newValue) override
        {
            auto& parameter = static_cast<juce::AudioProcessorParameter&> (*this);

            if (std::isfinite (parameter.getValue()))
                lastState = newValue;
            else
                parameter.setValue (lastState ? 1.0f : 0.0f);
        }

        std::atomic<bool> lastState{get()};
    };
}

juce::String sliderStringFromValue (float value, int /*maximumStringLength*/)
{
    // Hosts ask for short texts, but a cut number would be misread: the limit is not applied.
    return juce::String (value, 2);
}

juce::String withReadableExponent (const juce::String& text)
{
    constexpr int maximumExponentDigits = 4;

    // The number as JUCE reads it: white space, a sign, digits with at most one point, then 'e'.
    auto position = text.getCharPointer().findEndOfWhitespace();

    if (*position == '-' || *position == '+')
        ++position;

    for (auto pointFound = false; position.isDigit() || (*position == '.' && !pointFound); ++position)
        pointFound = pointFound || *position == '.';

    if (*position != 'e' && *position != 'E')
        return text;

    if (*++position == '-' || *position == '+')
        ++position;

    const auto exponentStart = position;

    while (*position == '0')
        ++position;

    auto digits = 0;

    for (auto digit = position; digit.isDigit(); ++digit)
        if (++digits > maximumExponentDigits)
            return juce::String (text.getCharPointer(), exponentStart) +
                   juce::String::repeatedString ("9", maximumExponentDigits);

    return text;
}

float sliderValueFromString (const juce::String& text)
{
    const auto readable = withReadableExponent (text);
    auto position = readable.getCharPointer();
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

    return std::make_unique<FiniteAudioParameterFloat> (
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

    return std::make_unique<FiniteAudioParameterBool> (juce::ParameterID{descriptor.id, 0}, descriptor.name,
                                                       descriptor.defaultValue, attributes);
}

void ParameterHelper::refuseInfinitiesBeforeOtherListeners (juce::AudioProcessor& processor)
{
    for (auto* parameter : processor.getParameters())
        if (auto* guarded = dynamic_cast<FiniteAudioParameterFloat*> (parameter))
            guarded->hearOfChangesBeforeOtherListeners();
}
}
