#include "EditorTestFixture.h"

#include <thread>

using Gui::MainSlider;

namespace
{
bool hasBubble (juce::Component& parent)
{
    for (auto* child : parent.getChildren())
        if (dynamic_cast<juce::BubbleComponent*> (child) != nullptr && child->isVisible())
            return true;

    return false;
}

juce::BubbleComponent* findBubble (juce::Component& parent)
{
    for (auto* child : parent.getChildren())
        if (auto* bubble = dynamic_cast<juce::BubbleComponent*> (child))
            return bubble;

    return nullptr;
}
} // namespace

//==============================================================================
TEST_F (EditorTest, WindowIsFixedAt218By523WithTheLayoutInPlace)
{
    EXPECT_EQ (editor->getWidth(), 218);
    EXPECT_EQ (editor->getHeight(), 523);
    EXPECT_FALSE (editor->isResizable());

    const std::pair<juce::Component*, juce::Rectangle<int>> layout[] = {
        {&access->infoDialog(), {0, 0, 218, 523}},        {&access->animationSection(), {0, 0, 218, 523}},
        {&access->infoDialogButton(), {44, 13, 129, 59}}, {&access->clipSlider(), {59, 339, 99, 111}},
        {&access->clipCurveSlider(), {62, 317, 90, 27}},  {&access->inSlider(), {28, 491, 20, 20}},
        {&access->outSlider(), {135, 491, 20, 20}},       {&access->clipLabel(), {59, 452, 99, 12}},
        {&access->qualityButton(), {156, 372, 34, 34}},   {&access->bypassButton(), {32, 85, 153, 153}}};

    for (const auto& [component, bounds] : layout)
        EXPECT_EQ (component->getBounds(), bounds) << component->getName();

    // The bypass toggle is a visible child that can never be seen or clicked.
    EXPECT_TRUE (access->bypassToggle().isVisible());
    EXPECT_EQ (access->bypassToggle().getBounds(), juce::Rectangle<int>());

    auto& section = access->animationSection();
    EXPECT_EQ (section.clipAnimation.getBounds(), juce::Rectangle<int> (32, 85, 153, 153));
    EXPECT_EQ (section.inputMeterLeft.getBounds(), juce::Rectangle<int> (56, 497, 44, 4));
    EXPECT_EQ (section.inputMeterRight.getBounds(), juce::Rectangle<int> (56, 503, 44, 4));
    EXPECT_EQ (section.outputMeterLeft.getBounds(), juce::Rectangle<int> (164, 497, 44, 4));
    EXPECT_EQ (section.outputMeterRight.getBounds(), juce::Rectangle<int> (164, 503, 44, 4));

    // Neither the host nor the user gets a way to resize it.
    EXPECT_EQ (editor->resizableCorner, nullptr);
}

TEST_F (EditorTest, ChildrenKeepTheirZOrderWithTheOverlayOnTop)
{
    const std::vector<juce::Component*> expected{
        &access->animationSection(), &access->clipSlider(),       &access->clipCurveSlider(), &access->inSlider(),
        &access->outSlider(),        &access->clipLabel(),        &access->bypassToggle(),    &access->bypassButton(),
        &access->qualityButton(),    &access->infoDialogButton(), &access->infoDialog()};

    ASSERT_EQ (editor->getNumChildComponents(), static_cast<int> (expected.size()));

    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ (editor->getChildComponent (static_cast<int> (i)), expected[i]) << "child " << i;

    EXPECT_FALSE (access->infoDialog().isVisible());
    EXPECT_EQ (access->infoDialogButton().getAlpha(), 0.0f);
    EXPECT_EQ (access->bypassButton().getAlpha(), 0.0f);

    // Clickable things show the pointing hand.
    const auto hand = juce::MouseCursor (juce::MouseCursor::PointingHandCursor);
    for (auto* c : std::initializer_list<juce::Component*>{
             &access->infoDialogButton(), &access->bypassButton(), &access->qualityButton(), &access->clipSlider(),
             &access->clipCurveSlider(), &access->inSlider(), &access->outSlider(), &access->infoDialog().closeButton})
        EXPECT_EQ (c->getMouseCursor(), hand) << c->getName();

    EXPECT_TRUE (access->openGLContext().isAttached());
}

//==============================================================================
TEST_F (EditorTest, InfoButtonOpensTheOverlayAndItClosesOnCloseOrTheVeilButNotOnACaption)
{
    auto& dialog = access->infoDialog();
    EXPECT_EQ (dialog.closeButton.getBounds(), juce::Rectangle<int> (11, 306, 198, 44));
    EXPECT_EQ (dialog.versionLabel.getText(), "TAVRO Vantrel (1.0.5)");
    EXPECT_EQ (dialog.urlButton.getURL().toString (false), "https://tavro.audio");

    const auto openOverlay = [&]
    {
        mouse->click (centreOf (Parameters::Bounds::infoDialogButton));
        ASSERT_TRUE (dialog.isVisible());
    };

    openOverlay();
    mouse->click ({110, 328}); // "CLOSE"
    EXPECT_FALSE (dialog.isVisible());

    openOverlay();
    mouse->click ({5, 5}); // the veil, outside the panel
    EXPECT_FALSE (dialog.isVisible());

    openOverlay();
    mouse->click ({110, 185}); // the panel above the version line
    EXPECT_FALSE (dialog.isVisible());

    openOverlay();
    mouse->click (centreOf (Parameters::Bounds::infoVersion));
    mouse->click (centreOf (Parameters::Bounds::infoManufacturer));
    EXPECT_TRUE (dialog.isVisible());

    // While shown, nothing beneath gets the click: the bypass area lies under the veil here.
    mouse->click ({100, 100});
    GuiTest::pump (50);
    EXPECT_FALSE (bypassOn());
    EXPECT_FALSE (dialog.isVisible());
}

TEST_F (EditorTest, ACaptionClickOpensNothingAndChangesNothing)
{
    mouse->click (centreOf (Parameters::Bounds::clipLabel));
    mouse->doubleClick (centreOf (Parameters::Bounds::clipLabel));
    GuiTest::pump (30);
    EXPECT_FALSE (access->clipLabel().isBeingEdited());
    EXPECT_EQ (access->clipLabel().getText(), "CLIP");
    EXPECT_FALSE (access->infoDialog().isVisible());
}

//==============================================================================
TEST_F (EditorTest, BypassAreaTogglesOncePerReleaseAfterTheHandlerReturns)
{
    const auto area = centreOf (Parameters::Bounds::clipAnimation);
    int clicksDelivered = 0;
    access->bypassToggle().onClick = [&] { ++clicksDelivered; };

    mouse->click (area);
    EXPECT_FALSE (bypassOn()) << "the click is posted, not made inside the handler";
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return bypassOn(); }));

    // Any mouse button, and a release outside the area, still count.
    mouse->click (area, juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier));
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return !bypassOn(); }));

    mouse->moveTo (area);
    mouse->press (area);
    mouse->release ({5, 500});
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return bypassOn(); }));

    // A double click is two clicks.
    const auto clicksBefore = clicksDelivered;
    mouse->doubleClick (area);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return clicksDelivered == clicksBefore + 2; }));
    GuiTest::pump (50);
    EXPECT_EQ (clicksDelivered, clicksBefore + 2);
    EXPECT_TRUE (bypassOn());
}

TEST_F (EditorTest, BypassDimsTheClipKnobsCaptionAndAnimationButNeverTheMeters)
{
    auto& section = access->animationSection();
    const auto expectAlphas = [&] (float expected)
    {
        // Component alpha is kept in 8 bits.
        EXPECT_NEAR (access->clipSlider().getAlpha(), expected, 0.005);
        EXPECT_NEAR (access->clipCurveSlider().getAlpha(), expected, 0.005);
        EXPECT_NEAR (access->clipLabel().getAlpha(), expected, 0.005);
        EXPECT_NEAR (section.clipAnimation.getAlpha(), expected, 0.005);
        EXPECT_EQ (section.isBypassed, expected < 1.0f);

        for (auto* meter :
             {&section.inputMeterLeft, &section.inputMeterRight, &section.outputMeterLeft, &section.outputMeterRight})
            EXPECT_EQ (meter->getAlpha(), 1.0f);

        EXPECT_EQ (access->inSlider().getAlpha(), 1.0f);
        EXPECT_EQ (access->qualityButton().getAlpha(), 1.0f);
    };

    expectAlphas (1.0f);
    setParameter (Parameters::Clip::bypass.id, 1.0f); // host automation
    expectAlphas (0.5f);
    setParameter (Parameters::Clip::bypass.id, 0.0f);
    expectAlphas (1.0f);
}

TEST_F (EditorTest, BypassFromAnotherThreadNeverOverridesALaterChange)
{
    auto& section = access->animationSection();

    // Automation on another thread reaches the animation through the message loop.
    std::thread ([this] { setParameter (Parameters::Clip::bypass.id, 1.0f); }).join();
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return section.isBypassed; }));

    // A change on another thread whose update is still waiting, then one on the message thread:
    // the waiting update must not put the older setting back.
    std::thread (
        [this]
        {
            setParameter (Parameters::Clip::bypass.id, 0.0f);
            setParameter (Parameters::Clip::bypass.id, 1.0f);
        })
        .join();
    setParameter (Parameters::Clip::bypass.id, 0.0f);
    GuiTest::pump (100);
    EXPECT_FALSE (section.isBypassed);
    EXPECT_EQ (section.clipAnimation.getAlpha(), 1.0f);
}

TEST_F (EditorTest, AnimationFollowsTheClipLevelAndFreezesWhileBypassed)
{
    auto& animation = access->animationSection().clipAnimation;
    setParameter (Parameters::Clip::gain.id, 15.0f);
    setParameter (Parameters::Clip::curve.id, 50.0f);
    EXPECT_FLOAT_EQ (animation.gain.load(), 1.0f);
    EXPECT_FLOAT_EQ (animation.curve.load(), 0.5f);

    processSine (1.0f);
    ASSERT_GT (processor->clipLevel(), 0.0f);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return animation.level > 0.0f; }));
    EXPECT_LE (animation.level, 1.0f);

    setParameter (Parameters::Clip::bypass.id, 1.0f);
    const auto frozen = animation.level;
    processSine (0.0f, 20); // silence: the processor's clip level falls to 0
    ASSERT_EQ (processor->clipLevel(), 0.0f);
    GuiTest::pump (150);
    EXPECT_EQ (animation.level, frozen);

    setParameter (Parameters::Clip::bypass.id, 0.0f);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return animation.level == 0.0f; }));
}

TEST_F (EditorTest, AnEditorOpenedWhileBypassedOpensDimmedAndStillAndOneClickReleasesIt)
{
    closeEditor();
    setParameter (Parameters::Clip::gain.id, 15.0f);
    setParameter (Parameters::Clip::bypass.id, 1.0f);
    openEditor();
    auto& section = access->animationSection();

    EXPECT_TRUE (access->bypassToggle().getToggleState());
    for (auto* dimmed : std::initializer_list<juce::Component*>{&access->clipSlider(), &access->clipCurveSlider(),
                                                                &access->clipLabel(), &section.clipAnimation})
        EXPECT_NEAR (dimmed->getAlpha(), 0.5f, 0.005f) << dimmed->getName();
    EXPECT_TRUE (section.isBypassed);

    // Still: the clip level the processor measures does not reach the animation.
    processSine (1.0f);
    ASSERT_GT (processor->clipLevel(), 0.0f);
    GuiTest::pump (150);
    EXPECT_EQ (section.clipAnimation.level, 0.0f);

    mouse->click (centreOf (Parameters::Bounds::clipAnimation));
    ASSERT_TRUE (GuiTest::pumpUntil ([&] { return !bypassOn(); }));
    for (auto* released : std::initializer_list<juce::Component*>{&access->clipSlider(), &access->clipCurveSlider(),
                                                                  &access->clipLabel(), &section.clipAnimation})
        EXPECT_EQ (released->getAlpha(), 1.0f) << released->getName();
    EXPECT_FALSE (section.isBypassed);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return section.clipAnimation.level > 0.0f; }));
}

TEST_F (EditorTest, AnEditorOpenedWithTheClipStageActiveOpensUndimmedAndMoving)
{
    auto& section = access->animationSection();
    EXPECT_FALSE (access->bypassToggle().getToggleState());
    for (auto* active : std::initializer_list<juce::Component*>{&access->clipSlider(), &access->clipCurveSlider(),
                                                                &access->clipLabel(), &section.clipAnimation})
        EXPECT_EQ (active->getAlpha(), 1.0f) << active->getName();
    EXPECT_FALSE (section.isBypassed);

    setParameter (Parameters::Clip::gain.id, 15.0f);
    processSine (1.0f);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return section.clipAnimation.level > 0.0f; }));
}

//==============================================================================
TEST_F (EditorTest, MovingAClipKnobReleasesTheBypass)
{
    setParameter (Parameters::Clip::bypass.id, 1.0f);
    setParameter (Parameters::Clip::gain.id, 3.0f); // automation of the drive
    EXPECT_TRUE (bypassOn()) << "released by a posted click";
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return !bypassOn(); }));
    EXPECT_EQ (access->clipSlider().getAlpha(), 1.0f);

    setParameter (Parameters::Clip::bypass.id, 1.0f);
    setParameter (Parameters::Clip::curve.id, 20.0f);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return !bypassOn(); }));

    // Letting go of the curve knob releases it even without a change of value.
    setParameter (Parameters::Clip::bypass.id, 1.0f);
    const auto knob = centreOf (Parameters::Bounds::clipCurveSlider);
    mouse->moveTo (knob);
    mouse->press (knob);
    mouse->release (knob);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return !bypassOn(); }));
    EXPECT_EQ (parameter (Parameters::Clip::curve.id), 20.0f);
}

TEST_F (EditorTest, ARestoredStateThatMovesBothClipKnobsLeavesTheBypassOff)
{
    juce::MemoryBlock state;
    {
        VantrelAudioProcessor other;
        auto set = [&other] (const juce::String& id, float v)
        {
            auto* p = other.apvts.getParameter (id);
            p->setValueNotifyingHost (p->convertTo0to1 (v));
        };
        set (Parameters::Clip::gain.id, 6.0f);
        set (Parameters::Clip::curve.id, 30.0f);
        set (Parameters::Clip::bypass.id, 1.0f);
        other.getStateInformation (state);
    }

    setParameter (Parameters::Clip::bypass.id, 1.0f);
    processor->setStateInformation (state.getData(), static_cast<int> (state.getSize()));
    EXPECT_EQ (parameter (Parameters::Clip::gain.id), 6.0f);
    EXPECT_EQ (parameter (Parameters::Clip::curve.id), 30.0f);

    // A second posted click would arrive right behind the first and turn the bypass on again.
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return !bypassOn(); }));
    GuiTest::pump (100);
    EXPECT_FALSE (bypassOn());
    EXPECT_FALSE (access->bypassToggle().getToggleState());
    EXPECT_EQ (access->clipSlider().getAlpha(), 1.0f);
}

//==============================================================================
TEST_F (EditorTest, DriveReadoutShowsThePercentageAndReturnsToTheCaption)
{
    auto& label = access->clipLabel();
    EXPECT_EQ (label.getText(), "CLIP");

    const auto changedAt = juce::Time::getMillisecondCounterHiRes();
    setParameter (Parameters::Clip::gain.id, 7.5f);
    EXPECT_EQ (label.getText(), "50");

    // The caption returns 500 ms after the change, never sooner, however late JUCE's timer thread
    // woke last. The machine may be slow, so only the lower bound is exact (to the counter's whole
    // milliseconds).
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return label.getText() == "CLIP"; }, 5000));
    EXPECT_GE (juce::Time::getMillisecondCounterHiRes() - changedAt, 499.0);

    setParameter (Parameters::Clip::gain.id, 15.0f);
    EXPECT_EQ (label.getText(), "100");
    setParameter (Parameters::Clip::gain.id, 0.0f);
    EXPECT_EQ (label.getText(), "0.0");
    setParameter (Parameters::Clip::gain.id, 1.0f);
    EXPECT_EQ (label.getText(), "6.7");
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return label.getText() == "CLIP"; }, 5000));
}

TEST_F (EditorTest, DraggingTheDriveKnobShowsTheReadoutUntilTheDragEndsAndNoBubble)
{
    auto& label = access->clipLabel();
    const auto knob = centreOf (Parameters::Bounds::clipSlider);

    mouse->moveTo (knob);
    mouse->press (knob);
    mouse->dragTo (knob.translated (0, -30));
    mouse->dragTo (knob.translated (0, -60));
    EXPECT_GT (parameter (Parameters::Clip::gain.id), 0.0f);
    EXPECT_NE (label.getText(), "CLIP");
    EXPECT_FALSE (hasBubble (*editor));

    GuiTest::pump (700); // no restore while dragging
    EXPECT_NE (label.getText(), "CLIP");

    mouse->release (knob.translated (0, -60));
    EXPECT_EQ (label.getText(), "CLIP");
}

TEST_F (EditorTest, AWheelStepOnTheDriveKnobShowsTheReadoutWhileThePointerRestsThere)
{
    auto& label = access->clipLabel();
    const auto knob = centreOf (Parameters::Bounds::clipSlider);

    setParameter (Parameters::Clip::bypass.id, 1.0f);
    mouse->moveTo (knob);

    for (int notch = 0; notch < 3; ++notch)
        mouse->scroll (knob, 1.0f);

    const auto value = parameter (Parameters::Clip::gain.id);
    ASSERT_GT (value, 0.0f);
    const auto readout = VantrelAudioProcessorEditor::clipReadoutText (value * 100.0 / 15.0);
    EXPECT_EQ (label.getText(), readout);

    // No drag ended and no change came with the pointer elsewhere: the readout stays.
    GuiTest::pump (300);
    EXPECT_EQ (label.getText(), readout);
    GuiTest::pump (1000);
    EXPECT_EQ (label.getText(), readout);

    // The wheel released the bypass through the value change.
    EXPECT_FALSE (bypassOn());
    EXPECT_FALSE (access->bypassToggle().getToggleState());

    // A change made with the pointer elsewhere puts the caption back after its hold.
    mouse->moveTo ({5, 500});
    setParameter (Parameters::Clip::gain.id, 3.0f);
    EXPECT_EQ (label.getText(), "20");
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return label.getText() == "CLIP"; }));

    // So does the end of a drag.
    mouse->moveTo (knob);
    mouse->scroll (knob, -1.0f);
    EXPECT_NE (label.getText(), "CLIP");
    mouse->press (knob);
    mouse->release (knob);
    EXPECT_EQ (label.getText(), "CLIP");
}

TEST_F (EditorTest, ADoubleClickOnTheDriveKnobShowsTheDefaultInTheReadout)
{
    auto& label = access->clipLabel();
    const auto knob = centreOf (Parameters::Bounds::clipSlider);
    setParameter (Parameters::Clip::gain.id, 9.0f);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return label.getText() == "CLIP"; }));

    setParameter (Parameters::Clip::bypass.id, 1.0f);
    mouse->doubleClick (knob);
    EXPECT_EQ (parameter (Parameters::Clip::gain.id), 0.0f);
    EXPECT_EQ (label.getText(), "0.0");
    GuiTest::pump (700);
    EXPECT_EQ (label.getText(), "0.0");
    EXPECT_FALSE (bypassOn());
}

TEST_F (EditorTest, CurveKnobShowsItsOwnTextInABubbleAboveIt)
{
    EXPECT_EQ (access->clipCurveSlider().getTextFromValue (80.0), "SOFT / HARD: 80.0 %");
    EXPECT_EQ (access->clipCurveSlider().getTextFromValue (0.0), "SOFT / HARD: 0.0 %");
    EXPECT_EQ (access->clipCurveSlider().getTextFromValue (100.0), "SOFT / HARD: 100.0 %");
    // Typing still goes through the parameter's own parser.
    EXPECT_EQ (access->clipCurveSlider().getValueFromText ("42"), 42.0);
    // The trim knobs show the parameter's own text.
    EXPECT_EQ (access->inSlider().getTextFromValue (-3.5), "-3.50");

    const auto knob = centreOf (Parameters::Bounds::clipCurveSlider);
    mouse->moveTo (knob);
    GuiTest::pump (50);
    EXPECT_FALSE (hasBubble (*editor)) << "no bubble on hover";

    mouse->press (knob);
    mouse->dragTo (knob.translated (0, -10));
    auto* bubble = findBubble (*editor);
    ASSERT_NE (bubble, nullptr);
    EXPECT_TRUE (bubble->isVisible());
    EXPECT_EQ (bubble->findColour (juce::BubbleComponent::backgroundColourId), juce::Colour (0xFF303034));
    EXPECT_EQ (bubble->findColour (juce::BubbleComponent::outlineColourId), juce::Colour (0x00000000));
    EXPECT_LT (bubble->getBounds().getCentreY(), Parameters::Bounds::clipCurveSlider.getY()) << "placed above the knob";
    const auto font = access->clipCurveSlider().getLookAndFeel().getSliderPopupFont (access->clipCurveSlider());
    EXPECT_EQ (font.getHeight(), 13.0f);
    EXPECT_FLOAT_EQ (font.getExtraKerningFactor(), 0.15f);
    EXPECT_FALSE (font.isBold());
    mouse->release (knob.translated (0, -10));
}

TEST_F (EditorTest, TrimKnobsShowABubbleWhileDragged)
{
    const auto knob = centreOf (Parameters::Bounds::inSlider);
    mouse->moveTo (knob);
    mouse->press (knob);
    mouse->dragTo (knob.translated (0, -15));
    EXPECT_TRUE (hasBubble (*editor));
    EXPECT_GT (parameter (Parameters::Main::inputGain.id), 0.0f);
    mouse->release (knob.translated (0, -15));
}

TEST_F (EditorTest, QualitySwitchTogglesTheParameter)
{
    mouse->click (centreOf (Parameters::Bounds::qualityButton));
    EXPECT_EQ (parameter (Parameters::Main::oversampling.id), 1.0f);
    mouse->click (centreOf (Parameters::Bounds::qualityButton));
    EXPECT_EQ (parameter (Parameters::Main::oversampling.id), 0.0f);
}

//==============================================================================
namespace
{
// As JUCE's AAX client hands a host's value on: stored, then announced to the listeners as it came.
void setAsTheHostDoes (juce::AudioProcessorParameter& parameter, float normalisedValue)
{
    parameter.setValue (normalisedValue);
    parameter.sendValueChangedMessageToListeners (normalisedValue);
}
} // namespace

// A host's NaN or infinity, which the parameters refuse, reaches the open editor through the
// attachments, on the message thread or from the host's own: every control goes on showing its
// parameter's value, nothing shows a readout, the bypass stays on and the knobs stay dimmed.
TEST_F (EditorTest, ValuesTheParametersRefuseChangeNoControl)
{
    setParameter (Parameters::Main::oversampling.id, 1.0f);
    setParameter (Parameters::Main::inputGain.id, -7.5f);
    setParameter (Parameters::Main::outputGain.id, 4.25f);
    setParameter (Parameters::Clip::gain.id, 6.0f);
    setParameter (Parameters::Clip::curve.id, 30.0f);
    ASSERT_TRUE (GuiTest::pumpUntil ([&] { return access->clipLabel().getText() == "CLIP"; }));
    setParameter (Parameters::Clip::bypass.id, 1.0f);

    const auto expectControlsAsTheParameters = [&]
    {
        const std::pair<juce::Slider*, const juce::String*> knobs[]{
            {&access->clipSlider(), &Parameters::Clip::gain.id},
            {&access->clipCurveSlider(), &Parameters::Clip::curve.id},
            {&access->inSlider(), &Parameters::Main::inputGain.id},
            {&access->outSlider(), &Parameters::Main::outputGain.id}};

        for (const auto& [knob, id] : knobs)
            EXPECT_EQ (knob->getValue(), parameter (*id)) << *id;

        EXPECT_TRUE (access->qualityButton().getToggleState());
        EXPECT_TRUE (access->bypassToggle().getToggleState());
        EXPECT_EQ (access->clipLabel().getText(), "CLIP");
        EXPECT_NEAR (access->clipSlider().getAlpha(), 0.5f, 0.005f);
        EXPECT_EQ (Gui::MainSlider::MainSliderLookAndFeel::frameIndexFor (access->clipSlider()), 36);
    };

    const auto values = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};

    for (auto* hostParameter : processor->getParameters())
    {
        const auto& id = dynamic_cast<juce::RangedAudioParameter&> (*hostParameter).paramID;

        for (const auto value : values)
        {
            SCOPED_TRACE (id + " = " + juce::String (value));

            setAsTheHostDoes (*hostParameter, value);
            expectControlsAsTheParameters();

            std::thread ([&] { setAsTheHostDoes (*hostParameter, value); }).join();
            GuiTest::pump (20);
            expectControlsAsTheParameters();
        }
    }

    // No click was posted to release the bypass.
    GuiTest::pump (100);
    EXPECT_TRUE (bypassOn());
    EXPECT_EQ (parameter (Parameters::Clip::gain.id), 6.0f);
    EXPECT_EQ (parameter (Parameters::Main::outputGain.id), 4.25f);

    // Values the parameters take still go through, with the readout and the release of the bypass.
    setAsTheHostDoes (*processor->apvts.getParameter (Parameters::Clip::gain.id), 1.0f);
    EXPECT_EQ (access->clipSlider().getValue(), 15.0);
    EXPECT_EQ (access->clipLabel().getText(), "100");
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return !bypassOn(); }));
}

// A refused value that arrives while a posted click is on its way to release the bypass leaves that
// click to do its work alone: a knob moved meanwhile posts no second click, which would turn the
// bypass on again.
TEST_F (EditorTest, ARefusedBypassValueWhileAReleaseIsOnItsWayPostsNoSecondClick)
{
    setParameter (Parameters::Clip::bypass.id, 1.0f);
    setParameter (Parameters::Clip::gain.id, 3.0f); // posts the releasing click

    auto& bypass = *processor->apvts.getParameter (Parameters::Clip::bypass.id);
    setAsTheHostDoes (bypass, std::numeric_limits<float>::quiet_NaN());
    setAsTheHostDoes (bypass, -std::numeric_limits<float>::infinity());
    EXPECT_TRUE (access->bypassToggle().getToggleState());

    setParameter (Parameters::Clip::curve.id, 20.0f);
    EXPECT_TRUE (GuiTest::pumpUntil ([&] { return !bypassOn(); }));
    GuiTest::pump (100);
    EXPECT_FALSE (bypassOn());
}

//==============================================================================
TEST_F (EditorTest, TheEmbeddedFontStaysTheDefaultAfterTheEditorClosesAndOpensAgain)
{
    const auto defaultTypefaceName = [] { return juce::Font (12.0f).getTypefacePtr()->getName(); };

    EXPECT_EQ (defaultTypefaceName(), "B612");
    EXPECT_EQ (access->clipLabel().getFont().getTypefacePtr()->getName(), "B612");

    closeEditor();
    EXPECT_EQ (defaultTypefaceName(), "B612");

    openEditor();
    EXPECT_EQ (defaultTypefaceName(), "B612");
    closeEditor();
    EXPECT_EQ (defaultTypefaceName(), "B612");
}

TEST_F (EditorTest, ARestoreTimerThatFallsDueAfterTheEditorIsGoneDoesNothing)
{
    setParameter (Parameters::Clip::gain.id, 5.0f);
    closeEditor();
    GuiTest::pump (650); // would crash if the restore touched the deleted label
    SUCCEED();
}
