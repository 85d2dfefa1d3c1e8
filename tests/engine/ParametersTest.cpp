#include "EngineTestHelpers.h"
#include "ParameterHelper.h"

using namespace EngineTest;

namespace
{
struct ExpectedParameter
{
    const char* id;
    const char* name;
    float min, max, defaultValue, interval;
    const char* label;
};

// The host sees the parameters in this order, under these identifiers.
const ExpectedParameter expectedParameters[]{
    {"quality", "Quality", 0.0f, 1.0f, 0.0f, 1.0f, ""},
    {"input", "Input Gain", -20.0f, 20.0f, 0.0f, 0.01f, "dB"},
    {"output", "Output Gain", -20.0f, 20.0f, 0.0f, 0.01f, "dB"},
    {"clip", "Clip", 0.0f, 15.0f, 0.0f, 0.01f, "dB"},
    {"clipCurve", "Clip Curve", 0.0f, 100.0f, 80.0f, 1.0f, ""},
    {"clipBypass", "Clip Bypass", 0.0f, 1.0f, 0.0f, 1.0f, ""},
};

juce::RangedAudioParameter& parameterOf (VantrelAudioProcessor& processor, const char* id)
{
    auto* parameter = processor.apvts.getParameter (id);
    EXPECT_NE (parameter, nullptr);
    return *parameter;
}
}

TEST (Parameters, ProcessorDeclaresSixParametersInHostOrderWithTheirRangesAndDefaults)
{
    VantrelAudioProcessor processor;
    const auto& parameters = processor.getParameters();
    ASSERT_EQ (parameters.size(), 6);

    for (int index = 0; index < 6; ++index)
    {
        const auto& expected = expectedParameters[index];
        auto* parameter = dynamic_cast<juce::RangedAudioParameter*> (parameters[index]);
        ASSERT_NE (parameter, nullptr);
        SCOPED_TRACE (expected.id);

        EXPECT_EQ (parameter->getParameterID(), expected.id);
        EXPECT_EQ (parameter->getVersionHint(), 0);
        EXPECT_EQ (parameter->getName (100), expected.name);
        EXPECT_EQ (parameter->getLabel(), expected.label);
        EXPECT_EQ (parameter->getCategory(), juce::AudioProcessorParameter::genericParameter);
        EXPECT_TRUE (parameter->isAutomatable());
        EXPECT_FALSE (parameter->isMetaParameter());

        const auto& range = parameter->getNormalisableRange();
        EXPECT_FLOAT_EQ (range.start, expected.min);
        EXPECT_FLOAT_EQ (range.end, expected.max);
        EXPECT_FLOAT_EQ (range.skew, 1.0f);
        EXPECT_FLOAT_EQ (range.convertFrom0to1 (parameter->getDefaultValue()), expected.defaultValue);
        EXPECT_FLOAT_EQ (getParameter (processor, expected.id), expected.defaultValue);

        EXPECT_EQ (range.interval, expected.interval);
    }

    EXPECT_NE (dynamic_cast<juce::AudioParameterBool*> (parameters[0]), nullptr);
    EXPECT_NE (dynamic_cast<juce::AudioParameterBool*> (parameters[5]), nullptr);
}

namespace
{
// Counts what the processor's state tells its listeners, as the processor itself hears it.
struct StateListener final : juce::AudioProcessorValueTreeState::Listener
{
    explicit StateListener (juce::AudioProcessorValueTreeState& s)
        : state (s)
    {
        for (const auto* id : {"quality", "input", "output", "clip", "clipCurve", "clipBypass"})
            state.addParameterListener (id, this);
    }

    ~StateListener() override
    {
        for (const auto* id : {"quality", "input", "output", "clip", "clipCurve", "clipBypass"})
            state.removeParameterListener (id, this);
    }

    void parameterChanged (const juce::String&, float) override { ++changes; }

    juce::AudioProcessorValueTreeState& state;
    int changes = 0;
};

// As JUCE's AAX client sets a parameter from the host: the value, then its listeners with that value.
void setAsTheHostDoes (juce::AudioProcessorParameter& parameter, float newValue)
{
    parameter.setValue (newValue);
    parameter.sendValueChangedMessageToListeners (newValue);
}

constexpr auto notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr auto infinity = std::numeric_limits<float>::infinity();
}

// JUCE's AAX client hands a host's normalised value to the parameter as it comes. One that is not a
// finite number leaves every parameter, the state's listeners and the saved state as they were; a
// float parameter, whose range limits an infinity to its nearer end before anyone sees it, puts its
// value back before any listener reads it.
TEST (Parameters, ValuesThatAreNotFiniteNumbersLeaveEveryParameterAsItWas)
{
    VantrelAudioProcessor processor;

    for (auto* parameter : processor.getParameters())
        parameter->setValueNotifyingHost (parameter->isBoolean() ? 1.0f : 0.3f);

    StateListener listener (processor.apvts);
    juce::MemoryBlock before;
    processor.getStateInformation (before);

    for (auto* parameter : processor.getParameters())
    {
        auto& ranged = dynamic_cast<juce::RangedAudioParameter&> (*parameter);
        SCOPED_TRACE (ranged.paramID);
        const auto value = parameter->getValue();
        const auto raw = getParameter (processor, ranged.paramID);

        for (const auto newValue : {notANumber, infinity, -infinity, notANumber})
        {
            setAsTheHostDoes (*parameter, newValue);

            EXPECT_EQ (parameter->getValue(), value) << newValue;
            EXPECT_EQ (getParameter (processor, ranged.paramID), raw) << newValue;
        }

        // Told twice of one refused value, the parameter still keeps the value it had.
        parameter->sendValueChangedMessageToListeners (infinity);
        EXPECT_EQ (parameter->getValue(), value);
    }

    EXPECT_EQ (listener.changes, 0);

    juce::MemoryBlock after;
    processor.getStateInformation (after);
    EXPECT_EQ (after, before);
}

// The value put back is the one before the refused change, whatever came before it; a change that is
// not refused goes through as usual.
TEST (Parameters, ARefusedInfinityPutsBackTheLatestValue)
{
    VantrelAudioProcessor processor;
    auto& clip = parameterOf (processor, "clip");
    StateListener listener (processor.apvts);

    for (const auto real : {3.0f, 15.0f, 0.0f, 7.25f})
    {
        setAsTheHostDoes (clip, clip.convertTo0to1 (real));
        EXPECT_EQ (getParameter (processor, "clip"), real);

        setAsTheHostDoes (clip, infinity);
        setAsTheHostDoes (clip, -infinity);
        EXPECT_EQ (getParameter (processor, "clip"), real);
        EXPECT_EQ (clip.convertFrom0to1 (clip.getValue()), real);
    }

    EXPECT_EQ (listener.changes, 4) << "one for each value set, none for the infinities";
}

// A value is put back through its normalised form: every value a float parameter can hold (each step
// of its range) comes back as exactly itself, so a value put back is never a new value for anyone.
TEST (Parameters, EveryStepOfAFloatParameterComesBackExactlyFromItsNormalisedValue)
{
    VantrelAudioProcessor processor;

    for (const auto* id : {"input", "output", "clip", "clipCurve"})
    {
        auto& parameter = parameterOf (processor, id);
        const auto& range = parameter.getNormalisableRange();
        const auto steps = juce::roundToInt ((range.end - range.start) / range.interval);

        for (int step = 0; step <= steps; ++step)
        {
            const auto value = parameter.convertFrom0to1 ((float)step / (float)steps);
            ASSERT_EQ (parameter.convertFrom0to1 (parameter.convertTo0to1 (value)), value) << id << " step " << step;
        }
    }
}

TEST (Parameters, FloatTextsAlwaysHaveTwoDecimalsAndIgnoreTheLengthLimit)
{
    VantrelAudioProcessor processor;
    auto& input = parameterOf (processor, "input");
    auto& curve = parameterOf (processor, "clipCurve");

    EXPECT_EQ (curve.getText (curve.getDefaultValue(), 100), "80.00");
    EXPECT_EQ (input.getText (input.convertTo0to1 (-3.5f), 4), "-3.50");
    EXPECT_EQ (input.getText (input.convertTo0to1 (0.0f), 2), "0.00");
    EXPECT_EQ (input.getText (input.convertTo0to1 (20.0f), 1), "20.00");
    EXPECT_EQ (Utility::sliderStringFromValue (-3.5f, 0), "-3.50");
}

TEST (Parameters, FloatTextsReadTheLeadingNumber)
{
    VantrelAudioProcessor processor;
    auto& input = parameterOf (processor, "input");
    auto& clip = parameterOf (processor, "clip");

    const auto realValueForText = [] (juce::RangedAudioParameter& parameter, const juce::String& text)
    { return parameter.convertFrom0to1 (parameter.getValueForText (text)); };

    EXPECT_FLOAT_EQ (realValueForText (input, "-3.5 dB"), -3.5f);
    EXPECT_FLOAT_EQ (realValueForText (input, "  7.25"), 7.25f);
    EXPECT_FLOAT_EQ (realValueForText (clip, "abc"), 0.0f);
    EXPECT_FLOAT_EQ (realValueForText (input, "25"), 20.0f);

    EXPECT_FLOAT_EQ (Utility::sliderValueFromString ("25"), 25.0f);
    EXPECT_FLOAT_EQ (Utility::sliderValueFromString ("abc"), 0.0f);
    EXPECT_FLOAT_EQ (Utility::sliderValueFromString (""), 0.0f);

    // "nan" would otherwise slip past every range limit into the signal chain.
    EXPECT_FLOAT_EQ (Utility::sliderValueFromString ("nan"), 0.0f);
    EXPECT_FLOAT_EQ (realValueForText (input, "NaN dB"), 0.0f);
    EXPECT_FLOAT_EQ (realValueForText (input, "inf"), 20.0f);

    // Exponents too long for JUCE's reader read as what they are: far beyond any range, or 0.
    EXPECT_FLOAT_EQ (realValueForText (input, "1e99999999999"), 20.0f);
    EXPECT_FLOAT_EQ (realValueForText (input, "-1.5e+31111111111111 dB"), -20.0f);
    EXPECT_FLOAT_EQ (realValueForText (input, "7e-99999999999"), 0.0f);
    EXPECT_FLOAT_EQ (Utility::sliderValueFromString (" 1.5E0000000000000000001"), 15.0f);
    EXPECT_EQ (Utility::withReadableExponent ("-2.5e-1234567 dB"), "-2.5e-9999");
    EXPECT_EQ (Utility::withReadableExponent ("2.5e1234 dB"), "2.5e1234 dB");
    EXPECT_EQ (Utility::withReadableExponent ("x1e1234567"), "x1e1234567");
}

TEST (Parameters, SwitchTextsAreOnAndOffAndOnlyOnSwitchesOn)
{
    VantrelAudioProcessor processor;
    auto& quality = parameterOf (processor, "quality");

    EXPECT_EQ (quality.getText (0.0f, 100), "Off");
    EXPECT_EQ (quality.getText (1.0f, 1), "On");
    EXPECT_EQ (parameterOf (processor, "clipBypass").getText (1.0f, 0), "On");

    for (const auto* text : {"On", "on", "ON", "oN"})
        EXPECT_EQ (quality.getValueForText (text), 1.0f) << text;

    for (const auto* text : {"Off", "true", "yes", "1", " On", "On ", "", "Onn"})
        EXPECT_EQ (quality.getValueForText (text), 0.0f) << text;
}

TEST (Parameters, EditorRectanglesLieInsideTheWindow)
{
    using namespace Parameters::Bounds;
    EXPECT_EQ (background, juce::Rectangle<int> (0, 0, 218, 523));

    for (const auto& rectangle : {infoDialogButton, clipSlider, clipCurveSlider, inSlider, outSlider, clipLabel,
                                  qualityButton, clipAnimation, infoDialog, infoVersion, infoUrl, infoManufacturer,
                                  inputMeterLeft, inputMeterRight, outputMeterLeft, outputMeterRight})
    {
        EXPECT_FALSE (rectangle.isEmpty());
        EXPECT_TRUE (background.contains (rectangle)) << rectangle.toString();
    }

    // The knobs match their pictures' frame sizes.
    EXPECT_EQ (clipSlider.getWidth(), 99);
    EXPECT_EQ (clipSlider.getHeight(), 111);
    EXPECT_EQ (clipCurveSlider, juce::Rectangle<int> (62, 317, 90, 27));
    EXPECT_EQ (inSlider, juce::Rectangle<int> (28, 491, 20, 20));
    EXPECT_EQ (outSlider, juce::Rectangle<int> (135, 491, 20, 20));
    EXPECT_EQ (qualityButton, juce::Rectangle<int> (156, 372, 34, 34));
    EXPECT_EQ (clipAnimation, juce::Rectangle<int> (32, 85, 153, 153));
    EXPECT_EQ (infoDialogButton, juce::Rectangle<int> (44, 13, 129, 59));
    EXPECT_EQ (clipLabel, juce::Rectangle<int> (59, 452, 99, 12));
}

TEST (Parameters, MeterBarsAndInformationLinesAreStacked)
{
    using namespace Parameters::Bounds;

    for (const auto& [left, right] :
         {std::pair{inputMeterLeft, inputMeterRight}, std::pair{outputMeterLeft, outputMeterRight}})
    {
        EXPECT_EQ (left.getHeight(), 4);
        EXPECT_EQ (right.getHeight(), 4);
        EXPECT_EQ (left.getY(), 497);
        EXPECT_EQ (right.getY() - left.getBottom(), 2);
        EXPECT_EQ (left.getWidth(), 44);
        EXPECT_EQ (left.getX(), right.getX());
    }

    EXPECT_EQ (inputMeterLeft.getX(), 56);
    EXPECT_EQ (outputMeterLeft.getX(), 164);

    EXPECT_EQ (infoDialog, juce::Rectangle<int> (11, 173, 198, 177));
    EXPECT_EQ (infoVersion, juce::Rectangle<int> (11, 199, 198, 26));
    EXPECT_EQ (infoUrl.getY(), infoVersion.getBottom());
    EXPECT_EQ (infoManufacturer.getY(), infoUrl.getBottom());
    EXPECT_EQ (infoManufacturer.getBottom(), 277);
    EXPECT_TRUE (infoDialog.contains (infoVersion.getUnion (infoManufacturer)));
}

TEST (Parameters, NamedColoursHaveTheirArgbValues)
{
    EXPECT_EQ (Parameters::Color::offGrey.getARGB(), 0xFFB9B9BAu);
    EXPECT_EQ (Parameters::Color::clipRed.getARGB(), 0xFFF0235Cu);
}
