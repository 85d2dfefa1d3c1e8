#pragma once

#include "BinaryData.h"
#include "Parameters.h"

#include <atomic>
#include <juce_gui_basics/juce_gui_basics.h>

namespace Gui
{
// A picture of one period of a wave flattened at its peaks: its corners follow the clip curve, the
// backdrop's brightness follows the drive, and a glow and a slight growth follow the clipping now
// going on. The owner writes the three values; the picture reads nothing else.
class ClipAnimation : public juce::Component
{
public:
    ClipAnimation()
        : backgroundDrawable (juce::Drawable::createFromImageData (
              BinaryData::clipBackdrop_png, static_cast<size_t> (BinaryData::clipBackdrop_pngSize)))
    {
    }

    ~ClipAnimation() override = default;

    // The wave through the square of the given size, at the given curve setting (0 soft, 1 hard)
    // and clip level, as it is stroked.
    static juce::Path makeWave (float w, float h, float curveAmount, float clipLevel)
    {
        const auto d = (1.0f - curveAmount) * 0.15f * w;

        juce::Path wave;
        wave.startNewSubPath (0.0f, 0.5f * h);
        wave.quadraticTo (0.1f * w, 0.25f * h, 0.1f * w + d, 0.25f * h);
        wave.lineTo (0.4f * w - d, 0.25f * h);
        wave.quadraticTo (0.4f * w, 0.25f * h, 0.5f * w, 0.5f * h);
        wave.quadraticTo (0.6f * w, 0.75f * h, 0.6f * w + d, 0.75f * h);
        wave.lineTo (0.9f * w - d, 0.75f * h);
        wave.quadraticTo (0.9f * w, 0.75f * h, w, 0.5f * h);

        const auto scale = 0.7f + 0.02f * clipLevel;
        wave.applyTransform (
            juce::AffineTransform::scale (scale).translated (0.5f * w * (1.0f - scale), 0.5f * h * (1.0f - scale)));
        return wave;
    }

    void paint (juce::Graphics& g) override
    {
        const auto w = static_cast<float> (getWidth());
        const auto h = static_cast<float> (getHeight());
        const auto drive = gain.load (std::memory_order_relaxed);
        const auto clipLevel = level;

        if (backgroundDrawable != nullptr)
        {
            backgroundDrawable->setTransformToFit ({0.0f, 0.0f, w, h},
                                                   juce::RectanglePlacement (juce::RectanglePlacement::xLeft));
            backgroundDrawable->draw (g, 0.4f + 0.6f * drive);
        }

        const auto wave = makeWave (w, h, curve.load (std::memory_order_relaxed), clipLevel);
        const auto stroke = [] (float thickness)
        { return juce::PathStrokeType (thickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded); };

        g.setGradientFill (juce::ColourGradient (colour.withAlpha (static_cast<juce::uint8> (0x99)), 0.5f * w, 0.5f * h,
                                                 colour.withAlpha (static_cast<juce::uint8> (0)), 0.0f, 0.0f, true));
        g.strokePath (wave, stroke (8.0f * clipLevel));

        g.setColour (colour.withMultipliedLightness (1.0f + 0.5f * clipLevel));
        g.strokePath (wave, stroke (2.5f + clipLevel));
    }

    std::unique_ptr<juce::Drawable> backgroundDrawable;

    // Drive and curve, each mapped to 0..1. Written by parameter listeners on whatever thread the
    // host uses while the render thread paints, hence atomic.
    std::atomic<float> gain{0.0f};

    // The clip level limited to 0..1; written and read on the message thread (or under its lock).
    float level = 0.0f;

    std::atomic<float> curve{0.0f};

    const juce::Colour colour = Parameters::Color::clipRed;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ClipAnimation)
};
} // namespace Gui
