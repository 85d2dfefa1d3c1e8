#pragma once

#include "BinaryData.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// A two-state switch drawn from an off face and an on face, each with its own hover and pressed
// look. The button keeps copies of the images it is given.
class ImageToggleButton : public juce::DrawableButton
{
public:
    ImageToggleButton()
        : juce::DrawableButton ("toggleButton", juce::DrawableButton::ImageRaw)
    {
        setClickingTogglesState (true);
        setMouseCursor (juce::MouseCursor::PointingHandCursor);
        setColour (juce::DrawableButton::backgroundColourId, juce::Colours::transparentBlack);
        setColour (juce::DrawableButton::backgroundOnColourId, juce::Colours::transparentBlack);

        const auto offFace =
            juce::ImageCache::getFromMemory (BinaryData::qualityOff_png, BinaryData::qualityOff_pngSize);
        const auto onFace = juce::ImageCache::getFromMemory (BinaryData::qualityOn_png, BinaryData::qualityOn_pngSize);

        const auto normal = [] (const juce::Image& face)
        {
            juce::DrawableImage image;
            image.setImage (face);
            return image;
        };

        const auto hovered = [&normal] (const juce::Image& face)
        {
            auto image = normal (face);
            image.setOverlayColour (juce::Colour (0x1EFFFFFF));
            return image;
        };

        // Pressed: the face shrunk by 0.8 pixel on every side.
        const auto pressed = [&normal] (const juce::Image& face)
        {
            auto image = normal (face);
            image.setTransformToFit ({0.8f, 0.8f, 32.4f, 32.4f},
                                     juce::RectanglePlacement (juce::RectanglePlacement::centred));
            return image;
        };

        const auto offNormal = normal (offFace), offOver = hovered (offFace), offDown = pressed (offFace);
        const auto onNormal = normal (onFace), onOver = hovered (onFace), onDown = pressed (onFace);

        setImages (&offNormal, &offOver, &offDown, nullptr, &onNormal, &onOver, &onDown, nullptr);
    }

    ~ImageToggleButton() override = default;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ImageToggleButton)
};
} // namespace Gui
