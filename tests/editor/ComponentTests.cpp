#include "EditorTestFixture.h"

#include <cmath>
#include <limits>

namespace
{
juce::Image snapshotOf (juce::Component& c)
{
    return c.createComponentSnapshot (c.getLocalBounds(), true, 1.0f);
}

// Where the bright pointer of a trim knob points, in degrees clockwise from twelve o'clock.
double pointerAngleDegrees (const juce::Image& image)
{
    double sumX = 0, sumY = 0, count = 0;
    const auto centre = image.getBounds().toDouble().getCentre();

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (const auto p = image.getPixelAt (x, y); p.getAlpha() > 128 && p.getBrightness() > 0.7f)
            {
                sumX += x + 0.5 - centre.x;
                sumY += y + 0.5 - centre.y;
                ++count;
            }

    if (count == 0)
        return -1000.0;

    const auto degrees = juce::radiansToDegrees (std::atan2 (sumX / count, -sumY / count));
    return degrees < 0 ? degrees + 360.0 : degrees;
}

int opaqueRunInMiddleRow (const juce::Image& image)
{
    int run = 0;
    for (int x = 0; x < image.getWidth(); ++x)
        if (image.getPixelAt (x, image.getHeight() / 2).getAlpha() > 127)
            ++run;
    return run;
}

juce::int64 totalAlpha (const juce::Image& image)
{
    juce::int64 sum = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            sum += image.getPixelAt (x, y).getAlpha();
    return sum;
}

bool samePixels (const juce::Image& a, const juce::Image& b, int tolerance = 2)
{
    if (a.getWidth() != b.getWidth() || a.getHeight() != b.getHeight())
        return false;

    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
        {
            const auto p = a.getPixelAt (x, y), q = b.getPixelAt (x, y);
            if (std::abs (p.getAlpha() - q.getAlpha()) > tolerance ||
                (p.getAlpha() > 0 && (std::abs (p.getRed() - q.getRed()) > tolerance ||
                                      std::abs (p.getGreen() - q.getGreen()) > tolerance ||
                                      std::abs (p.getBlue() - q.getBlue()) > tolerance)))
                return false;
        }

    return true;
}
} // namespace

//==============================================================================
TEST_F (EditorTest, FilmstripKnobsPickTheFrameLinearlyWithTheCeiling)
{
    using LookAndFeel = Gui::MainSlider::MainSliderLookAndFeel;
    auto& drive = access->clipSlider();
    auto& curve = access->clipCurveSlider();

    const auto driveSource = [&] (float dB)
    {
        setParameter (Parameters::Clip::gain.id, dB);
        return LookAndFeel::frameSourceFor (drive, drive.getWidth(), drive.getHeight());
    };

    EXPECT_EQ (driveSource (7.5f), juce::Rectangle<int> (0, 555, 99, 111));
    EXPECT_EQ (driveSource (15.0f), juce::Rectangle<int> (792, 999, 99, 111));
    EXPECT_EQ (driveSource (0.01f), juce::Rectangle<int> (99, 0, 99, 111)) << "one step up shows frame 1";
    EXPECT_EQ (driveSource (0.0f), juce::Rectangle<int> (0, 0, 99, 111));

    EXPECT_EQ (parameter (Parameters::Clip::curve.id), 80.0f);
    EXPECT_EQ (LookAndFeel::frameSourceFor (curve, curve.getWidth(), curve.getHeight()),
               juce::Rectangle<int> (0, 216, 90, 27));

    // And the knob really draws that part of its strip.
    setParameter (Parameters::Clip::gain.id, 7.5f);
    const auto& strip = drive.sliderLookAndFeel.filmStrip;
    ASSERT_EQ (strip.getWidth(), 891);
    ASSERT_EQ (strip.getHeight(), 1110);
    EXPECT_TRUE (samePixels (snapshotOf (drive), strip.getClippedImage ({0, 555, 99, 111})));
    EXPECT_EQ (curve.sliderLookAndFeel.filmStrip.getBounds(), juce::Rectangle<int> (0, 0, 810, 270));
}

TEST_F (EditorTest, ADisabledFilmstripKnobDrawsAtHalfOpacity)
{
    auto& drive = access->clipSlider();
    const auto enabled = totalAlpha (snapshotOf (drive));

    drive.setEnabled (false);
    const auto disabled = totalAlpha (snapshotOf (drive));
    EXPECT_NEAR (static_cast<double> (disabled) / static_cast<double> (enabled), 0.5, 0.02);
    drive.setEnabled (true);
}

TEST (FilmstripKnob, WithoutAStripItDrawsNothingButStillWorks)
{
    Gui::MainSlider knob (static_cast<Gui::MainSlider::Type> (2));
    knob.setRange (0.0, 10.0);
    knob.setSize (50, 50);
    knob.setValue (5.0);
    EXPECT_FALSE (knob.sliderLookAndFeel.filmStrip.isValid());
    EXPECT_EQ (totalAlpha (snapshotOf (knob)), 0);
    EXPECT_EQ (knob.getValue(), 5.0);
    EXPECT_EQ (knob.getTextBoxPosition(), juce::Slider::NoTextBox);
}

// A knob handed a value that is not a number draws its start, as it would at its minimum.
TEST (FilmstripKnob, AndTrimKnobDrawTheirStartForAValueThatIsNotANumber)
{
    Gui::MainSlider drive (Gui::MainSlider::clipGain);
    Gui::AuxSlider trim;

    for (auto* knob : std::initializer_list<juce::Slider*>{&drive, &trim})
    {
        knob->setRange (0.0, 15.0);
        knob->setSize (knob == &drive ? 99 : 20, knob == &drive ? 111 : 20);
    }

    const auto atMinimum = std::make_pair (snapshotOf (drive), snapshotOf (trim));

    for (auto* knob : std::initializer_list<juce::Slider*>{&drive, &trim})
        knob->setValue (std::numeric_limits<double>::quiet_NaN());

    ASSERT_TRUE (std::isnan (drive.getValue()));
    EXPECT_EQ (Gui::MainSlider::MainSliderLookAndFeel::frameIndexFor (drive), 0);
    EXPECT_TRUE (samePixels (snapshotOf (drive), atMinimum.first));
    EXPECT_TRUE (samePixels (snapshotOf (trim), atMinimum.second));
}

//==============================================================================
TEST_F (EditorTest, TrimKnobTurnsItsFaceThroughTwoHundredAndEightyEightDegrees)
{
    auto& knob = access->inSlider();
    const auto rotary = knob.getRotaryParameters();
    EXPECT_FLOAT_EQ (rotary.startAngleRadians, 1.2f * juce::MathConstants<float>::pi);
    EXPECT_FLOAT_EQ (rotary.endAngleRadians, 2.8f * juce::MathConstants<float>::pi);

    const auto angleAt = [&] (float dB)
    {
        setParameter (Parameters::Main::inputGain.id, dB);
        return pointerAngleDegrees (snapshotOf (knob));
    };

    const auto middle = angleAt (0.0f); // 2 pi: drawn as stored, pointer up
    EXPECT_TRUE (middle < 10.0 || middle > 350.0) << middle;
    EXPECT_NEAR (angleAt (-20.0f), 216.0, 10.0); // 1.2 pi
    EXPECT_NEAR (angleAt (20.0f), 144.0, 10.0);  // 2.8 pi, seen as 144 degrees
}

TEST (TrimKnob, DrawsTheSameWhenDisabled)
{
    Gui::AuxSlider knob;
    knob.setRange (-20.0, 20.0);
    knob.setSize (20, 20);
    knob.setValue (5.0);
    const auto enabled = snapshotOf (knob);
    knob.setEnabled (false);
    EXPECT_TRUE (samePixels (enabled, snapshotOf (knob), 0));
}

//==============================================================================
TEST (Meter, BarWidthMapsMinusSixtyToZeroDecibelsOntoTheWidth)
{
    for (const auto& [dB, expected] :
         std::initializer_list<std::pair<float, int>>{{-30.0f, 22},
                                                      {-50.0f, 7},
                                                      {-60.0f, 0},
                                                      {-100.0f, 0},
                                                      {0.0f, 44},
                                                      {6.0f, 44},
                                                      {std::numeric_limits<float>::infinity(), 44},
                                                      {-std::numeric_limits<float>::infinity(), 0},
                                                      {std::numeric_limits<float>::quiet_NaN(), 0}})
    {
        float level = dB;
        Gui::Meter meter ([&level] { return level; });
        meter.setSize (44, 4);
        EXPECT_EQ (std::max (0, Gui::Meter::barWidthFor (dB, 44)), expected) << dB;
        EXPECT_EQ (opaqueRunInMiddleRow (snapshotOf (meter)), expected) << dB;
    }
}

TEST_F (EditorTest, MetersShowTheProcessorsLevels)
{
    auto& section = access->animationSection();
    // -60 dB at start: empty bars.
    EXPECT_EQ (opaqueRunInMiddleRow (snapshotOf (section.inputMeterLeft)), 0);

    processSine (0.5f); // about -9 dB RMS
    const auto expected = Gui::Meter::barWidthFor (processor->inputLevelLeft(), 44);
    EXPECT_GT (expected, 20);
    EXPECT_EQ (opaqueRunInMiddleRow (snapshotOf (section.inputMeterLeft)), expected);
}

//==============================================================================
TEST (ClipAnimation, WaveShapeFollowsCurveAndLevel)
{
    constexpr auto size = 153.0f;
    const auto crestY = (0.5f - 0.7f * 0.25f) * size; // 0.25 h, scaled by 0.7 about the centre

    const auto flatCrestLength = [&] (const juce::Path& wave)
    {
        float length = 0.0f;
        for (juce::PathFlatteningIterator it (wave, {}, 0.05f); it.next();)
            if (std::abs (it.y1 - crestY) < 0.05f && std::abs (it.y2 - crestY) < 0.05f)
                length += std::abs (it.x2 - it.x1);
        return length;
    };

    // Hard: flat from 0.1 w to 0.4 w with sharp corners; the wave spans 70 % of the square.
    const auto hard = Gui::ClipAnimation::makeWave (size, size, 1.0f, 0.0f);
    EXPECT_NEAR (flatCrestLength (hard), 0.7f * 0.3f * size, 0.5f);
    EXPECT_NEAR (hard.getBounds().getX(), 0.15f * size, 0.01f);
    EXPECT_NEAR (hard.getBounds().getY(), crestY, 0.01f);
    EXPECT_NEAR (hard.getBounds().getBottom(), size - crestY, 0.01f);

    // Soft: only the rounded top touches the crest line.
    EXPECT_LT (flatCrestLength (Gui::ClipAnimation::makeWave (size, size, 0.0f, 0.0f)), 3.0f);

    // Full clipping grows the wave to 72 %.
    EXPECT_NEAR (Gui::ClipAnimation::makeWave (size, size, 0.8f, 1.0f).getBounds().getWidth(), 0.72f * size, 0.01f);
}

TEST (ClipAnimation, BackdropBrightnessFollowsTheDrive)
{
    Gui::ClipAnimation animation;
    animation.setSize (153, 153);
    ASSERT_NE (animation.backgroundDrawable, nullptr);

    const auto cornerAlpha = [&] (float drive)
    {
        animation.gain = drive;
        return snapshotOf (animation).getPixelAt (20, 20).getAlpha();
    };

    EXPECT_NEAR (cornerAlpha (0.0f), 0.4 * 255, 2);
    EXPECT_NEAR (cornerAlpha (0.5f), 0.7 * 255, 2);
    EXPECT_NEAR (cornerAlpha (1.0f), 255, 1);
}

//==============================================================================
TEST (SliderLabel, ShowsItsCaptionCentredInOffGreyAndKeepsIt)
{
    Gui::SliderLabel label ("CLIP");
    EXPECT_EQ (label.getText(), "CLIP");
    EXPECT_EQ (label.defaultText, "CLIP");
    EXPECT_EQ (label.getName(), "CLIP");
    EXPECT_EQ (label.getJustificationType(), juce::Justification::centred);
    EXPECT_EQ (label.findColour (juce::Label::textColourId), juce::Colour (0xFFB9B9BA));
    EXPECT_EQ (label.getFont().getHeight(), 12.0f);
    EXPECT_FLOAT_EQ (label.getFont().getExtraKerningFactor(), 0.3f);
    EXPECT_FALSE (label.getFont().isBold());

    label.setText ("42", juce::dontSendNotification);
    label.setText (label.defaultText, juce::dontSendNotification);
    EXPECT_EQ (label.getText(), "CLIP");
}

//==============================================================================
TEST (ReadoutText, TwoSignificantDigitsChosenBeforeRounding)
{
    const std::pair<double, const char*> rows[] = {{0.0, "0.0"},  {0.25, "0.25"}, {0.5, "0.50"},  {1.0, "1.00"},
                                                   {6.66, "6.7"}, {9.96, "10.0"}, {10.0, "10.0"}, {13.3, "13"},
                                                   {50.0, "50"},  {99.6, "100"},  {100.0, "100"}};

    for (const auto& [percent, text] : rows)
        EXPECT_EQ (VantrelAudioProcessorEditor::clipReadoutText (percent), juce::String (text)) << percent;

    EXPECT_EQ (VantrelAudioProcessorEditor::clipReadoutText (0.06666), "0.067");
    EXPECT_EQ (VantrelAudioProcessorEditor::clipReadoutText (0.125), "0.13") << "halves away from zero";

    for (const auto notFinite : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ (VantrelAudioProcessorEditor::clipReadoutText (notFinite), "");
}

//==============================================================================
TEST_F (EditorTest, QualitySwitchShowsItsFacesWithoutABackground)
{
    auto& button = access->qualityButton();
    const auto offFace = juce::ImageCache::getFromMemory (BinaryData::qualityOff_png, BinaryData::qualityOff_pngSize);
    const auto onFace = juce::ImageCache::getFromMemory (BinaryData::qualityOn_png, BinaryData::qualityOn_pngSize);
    EXPECT_EQ (button.getName(), "toggleButton");
    EXPECT_EQ (button.getStyle(), juce::DrawableButton::ImageRaw);

    EXPECT_TRUE (samePixels (snapshotOf (button), offFace));
    setParameter (Parameters::Main::oversampling.id, 1.0f);
    EXPECT_TRUE (samePixels (snapshotOf (button), onFace));

    // Hover lightens the face; pressing shrinks it.
    const auto centre = centreOf (Parameters::Bounds::qualityButton);
    mouse->moveTo (centre);
    const auto hovered = snapshotOf (button);
    EXPECT_GT (hovered.getPixelAt (10, 17).getBrightness(), onFace.getPixelAt (10, 17).getBrightness());
    EXPECT_EQ (hovered.getPixelAt (0, 0).getAlpha(), 0) << "no background behind the face";

    mouse->press (centre);
    EXPECT_LT (totalAlpha (snapshotOf (button)), totalAlpha (onFace));
    mouse->release (centre);
    EXPECT_EQ (parameter (Parameters::Main::oversampling.id), 0.0f);
}

//==============================================================================
TEST (Assets, AllEightAreEmbeddedInOrderAndDecode)
{
    const char* expectedNames[] = {"background_jpg", "clipBackdrop_png", "curveKnob_png",   "driveKnob_png",
                                   "qualityOff_png", "qualityOn_png",    "B612Regular_otf", "trimKnob_png"};
    ASSERT_EQ (BinaryData::namedResourceListSize, 8);

    for (int i = 0; i < 8; ++i)
        EXPECT_STREQ (BinaryData::namedResourceList[i], expectedNames[i]);

    const auto imageSize = [] (const char* data, int size)
    { return juce::ImageFileFormat::loadFrom (data, static_cast<size_t> (size)).getBounds(); };

    EXPECT_EQ (imageSize (BinaryData::background_jpg, BinaryData::background_jpgSize), juce::Rectangle<int> (218, 523));
    EXPECT_EQ (imageSize (BinaryData::clipBackdrop_png, BinaryData::clipBackdrop_pngSize),
               juce::Rectangle<int> (152, 152));
    EXPECT_EQ (imageSize (BinaryData::curveKnob_png, BinaryData::curveKnob_pngSize), juce::Rectangle<int> (810, 270));
    EXPECT_EQ (imageSize (BinaryData::driveKnob_png, BinaryData::driveKnob_pngSize), juce::Rectangle<int> (891, 1110));
    EXPECT_EQ (imageSize (BinaryData::qualityOff_png, BinaryData::qualityOff_pngSize), juce::Rectangle<int> (34, 34));
    EXPECT_EQ (imageSize (BinaryData::qualityOn_png, BinaryData::qualityOn_pngSize), juce::Rectangle<int> (34, 34));
    EXPECT_EQ (imageSize (BinaryData::trimKnob_png, BinaryData::trimKnob_pngSize), juce::Rectangle<int> (20, 20));

    // The JPEG is baseline (SOF0), the PNGs 8-bit RGBA (bit depth 8, colour type 6).
    const auto* jpeg = reinterpret_cast<const unsigned char*> (BinaryData::background_jpg);
    bool baseline = false;
    for (int i = 0; i + 1 < BinaryData::background_jpgSize; ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            baseline = true;
    EXPECT_TRUE (baseline);

    for (const auto* png : {BinaryData::clipBackdrop_png, BinaryData::curveKnob_png, BinaryData::driveKnob_png,
                            BinaryData::qualityOff_png, BinaryData::qualityOn_png, BinaryData::trimKnob_png})
    {
        const auto* bytes = reinterpret_cast<const unsigned char*> (png);
        EXPECT_EQ (bytes[24], 8);
        EXPECT_EQ (bytes[25], 6);
    }

    // The font keeps its CFF outlines and its own name.
    EXPECT_EQ (juce::String (BinaryData::B612Regular_otf, 4), "OTTO");
    const auto typeface = juce::Typeface::createSystemTypefaceFor (
        BinaryData::B612Regular_otf, static_cast<size_t> (BinaryData::B612Regular_otfSize));
    ASSERT_NE (typeface, nullptr);
    EXPECT_EQ (typeface->getName(), "B612");
    EXPECT_EQ (typeface->getStyle(), "Regular");
}

TEST (DialogButton, FlatFaceDimmedInSaturationAndContrastedWhenTouched)
{
    Gui::DialogButton button ("CLOSE");
    button.setSize (198, 44);
    EXPECT_EQ (button.getButtonText(), "CLOSE");
    EXPECT_EQ (button.findColour (juce::TextButton::buttonColourId), juce::Colour (0xFF252528));

    const auto faceAt = [&] (bool over, bool down)
    {
        juce::Image image (juce::Image::ARGB, 198, 44, true);
        juce::Graphics g (image);
        auto& look = dynamic_cast<Gui::DialogButton::PresetButtonLookAndFeel&> (button.getLookAndFeel());
        look.drawButtonBackground (g, button, juce::Colour (0xFF252528), over, down);
        return image;
    };

    const auto base = juce::Colour (0xFF252528).withMultipliedSaturation (0.9f);
    const auto normal = faceAt (false, false);
    EXPECT_EQ (normal.getPixelAt (0, 0), base) << "square corners";
    EXPECT_EQ (normal.getPixelAt (197, 43), base);
    EXPECT_EQ (faceAt (true, false).getPixelAt (5, 5), base.contrasting (0.05f));
    EXPECT_EQ (faceAt (true, true).getPixelAt (5, 5), base.contrasting (0.2f));

    button.setEnabled (false);
    EXPECT_EQ (faceAt (false, false).getPixelAt (5, 5).getAlpha(), base.withMultipliedAlpha (0.5f).getAlpha());
}
