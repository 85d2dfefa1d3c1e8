#include "Parameters.h"

// The definitions below run in this order when the module loads: the six descriptors, then the
// rectangles, then the colours.
namespace Parameters
{
namespace Main
{
    const BooleanDescriptor oversampling{"quality", "Quality", false};
    const SliderDescriptor<float> inputGain{"input", "Input Gain", -20.0f, 20.0f, 0.0f, 0.01f, 1.0f, "dB"};
    const SliderDescriptor<float> outputGain{"output", "Output Gain", -20.0f, 20.0f, 0.0f, 0.01f, 1.0f, "dB"};
}

namespace Clip
{
    const SliderDescriptor<float> gain{"clip", "Clip", 0.0f, 15.0f, 0.0f, 0.01f, 1.0f, "dB"};
    const SliderDescriptor<float> curve{"clipCurve", "Clip Curve", 0.0f, 100.0f, 80.0f, 1.0f, 1.0f, {}};
    const BooleanDescriptor bypass{"clipBypass", "Clip Bypass", false};
}

namespace Bounds
{
    const juce::Rectangle<int> background{0, 0, 218, 523};
    const juce::Rectangle<int> infoDialogButton{44, 13, 129, 59};
    const juce::Rectangle<int> clipSlider{59, 339, 99, 111};
    const juce::Rectangle<int> clipCurveSlider{62, 317, 90, 27};
    const juce::Rectangle<int> inSlider{28, 491, 20, 20};
    const juce::Rectangle<int> outSlider{135, 491, 20, 20};
    const juce::Rectangle<int> clipLabel{59, 452, 99, 12};
    const juce::Rectangle<int> qualityButton{156, 372, 34, 34};
    const juce::Rectangle<int> clipAnimation{32, 85, 153, 153};
    const juce::Rectangle<int> infoDialog{11, 173, 198, 177};
    const juce::Rectangle<int> infoVersion{11, 199, 198, 26};
    const juce::Rectangle<int> infoUrl{11, 225, 198, 26};
    const juce::Rectangle<int> infoManufacturer{11, 251, 198, 26};
    const juce::Rectangle<int> inputMeterLeft{56, 497, 44, 4};
    const juce::Rectangle<int> inputMeterRight{56, 503, 44, 4};
    const juce::Rectangle<int> outputMeterLeft{164, 497, 44, 4};
    const juce::Rectangle<int> outputMeterRight{164, 503, 44, 4};
}

namespace Color
{
    const juce::Colour offGrey = juce::Colour::fromString ("#FFB9B9BA");
    const juce::Colour clipRed = juce::Colour::fromString ("#FFF0235C");
}
}
