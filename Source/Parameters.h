#pragma once

#include <juce_graphics/juce_graphics.h>

// The plug-in's constants: the six parameter declarations, which are the one place where
// identifiers, names, ranges and defaults are stated, and the editor's geometry and colours.
namespace Parameters
{
// A continuous parameter's declaration, turned into a framework parameter by
// Utility::ParameterHelper::descriptorToParameter.
template <typename T>
struct SliderDescriptor
{
    juce::String id;
    juce::String name;
    T min;
    T max;
    T defaultValue;
    T interval;
    T skew;
    juce::String label;
};

// An on/off parameter's declaration.
struct BooleanDescriptor
{
    juce::String id;
    juce::String name;
    bool defaultValue;
};

// Declared here in the order in which the processor creates them, which is also the host's order.
namespace Main
{
    extern const BooleanDescriptor oversampling;
    extern const SliderDescriptor<float> inputGain;
    extern const SliderDescriptor<float> outputGain;
}

namespace Clip
{
    extern const SliderDescriptor<float> gain;
    extern const SliderDescriptor<float> curve;
    extern const BooleanDescriptor bypass;
}

// The editor's fixed layout, in pixels from its top left corner.
namespace Bounds
{
    extern const juce::Rectangle<int> background;
    extern const juce::Rectangle<int> infoDialogButton;
    extern const juce::Rectangle<int> clipSlider;
    extern const juce::Rectangle<int> clipCurveSlider;
    extern const juce::Rectangle<int> inSlider;
    extern const juce::Rectangle<int> outSlider;
    extern const juce::Rectangle<int> clipLabel;
    extern const juce::Rectangle<int> qualityButton;
    extern const juce::Rectangle<int> clipAnimation;
    extern const juce::Rectangle<int> infoDialog;
    extern const juce::Rectangle<int> infoVersion;
    extern const juce::Rectangle<int> infoUrl;
    extern const juce::Rectangle<int> infoManufacturer;
    extern const juce::Rectangle<int> inputMeterLeft;
    extern const juce::Rectangle<int> inputMeterRight;
    extern const juce::Rectangle<int> outputMeterLeft;
    extern const juce::Rectangle<int> outputMeterRight;
}

namespace Color
{
    extern const juce::Colour offGrey;
    extern const juce::Colour clipRed;
}
}
