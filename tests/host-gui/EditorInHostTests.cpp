// The real bundle's editor inside the substitute host's window, driven the way a user and a host drive
// it: pixels read back from the X server, clicks through the X server, automation from the host.

#include "HostGuiTest.h"

#include <AAX_Enums.h>
#include <AAX_IACFEffectGUI.h>

namespace hostgui
{
namespace
{
    // The information overlay's panel colour, and a point of the panel above its texts.
    constexpr uint32_t panelColour = 0x151519;
    constexpr int panelProbeX = 20, panelProbeY = 185;

    // Pixels rendered by OpenGL and by JUCE's software renderer differ a little along antialiased edges.
    constexpr int renderingTolerance = 40;
    constexpr double acceptedShareOfDifferingPixels = 0.005;
}

TEST_F (HostGuiTest, WindowHasTheEditorsSizeAndShowsWhatTheEditorRenders)
{
    openWindow();

    const auto size = window->getInitialViewSize();
    EXPECT_EQ (size.horz, 218.0f);
    EXPECT_EQ (size.vert, 523.0f);
    EXPECT_EQ (window->getWindow().getWidth(), 218);
    EXPECT_EQ (window->getWindow().getHeight(), 523);

    const auto picture = captureSettled();
    writeSnapshot (picture, "host-window-default");
    const auto& reference = getReferenceImage();

    ASSERT_EQ (picture.width, reference.width);
    ASSERT_EQ (picture.height, reference.height);
    EXPECT_LT (shareOfDifferingPixels (picture, reference, renderingTolerance), acceptedShareOfDifferingPixels);
    EXPECT_LT (meanDifference (picture, reference), 1.0);
}

TEST_F (HostGuiTest, ViewContainerHandsTheEditorTheHostWindowAsAnX11View)
{
    openWindow();

    auto& container = window->getViewContainer();
    auto& mutableContainer = const_cast<aaxhost::HostViewContainer&> (container);

    // JUCE's client attaches only to the kind it knows from other platforms; the pointer is the window id.
    EXPECT_EQ (mutableContainer.GetType(), (int32_t)AAX_eViewContainer_Type_HWND);
    EXPECT_EQ (reinterpret_cast<unsigned long> (mutableContainer.GetPtr()), window->getWindow().getNativeWindow());

    // The plug-in's wrapper asked for the three versions and holds them while attached.
    EXPECT_GE (container.getReferenceCount(), 3u);

    // What the GUI reports stays what it reported when the window opened.
    const auto size = window->queryViewSize();
    EXPECT_EQ (size.horz, 218.0f);
    EXPECT_EQ (size.vert, 523.0f);
}

TEST_F (HostGuiTest, ClickOnTheLogoShowsTheOverlayAndClickOnCloseHidesIt)
{
    openWindow();
    const auto before = captureSettled();
    ASSERT_FALSE (isNear (before, panelProbeX, panelProbeY, panelColour, 4));

    clickInWindow (window->getWindow(), infoButtonArea.x + infoButtonArea.width / 2,
                   infoButtonArea.y + infoButtonArea.height / 2);
    ASSERT_TRUE (serveUntil ([&] { return isNear (capture(), panelProbeX, panelProbeY, panelColour, 4); }))
        << "the overlay's panel did not appear";

    const auto shown = captureSettled();
    writeSnapshot (shown, "host-window-info");

    // The veil darkens the window outside the panel as well.
    EXPECT_GT (meanDifference (shown, before, {0, 400, 218, 123}), 5.0);

    // "CLOSE" fills the bottom quarter of the panel.
    const auto closeHeight = (int)(infoPanelArea.height * 0.25f);
    clickInWindow (window->getWindow(), infoPanelArea.x + infoPanelArea.width / 2,
                   infoPanelArea.y + infoPanelArea.height - closeHeight / 2);
    ASSERT_TRUE (serveUntil ([&] { return !isNear (capture(), panelProbeX, panelProbeY, panelColour, 4); }))
        << "the overlay did not go";

    EXPECT_LT (meanDifference (captureSettled(), before), 1.0);
}

TEST_F (HostGuiTest, HostAutomationOfClipBypassDimsTheClipKnobsAndRestoresThem)
{
    openWindow();
    const auto before = captureSettled();

    setParameter ("clipBypass", 1.0);
    ASSERT_EQ (getParameter ("clipBypass"), 1.0);
    const auto dimmed = captureSettled();
    writeSnapshot (dimmed, "host-window-bypassed");

    EXPECT_GT (meanDifference (dimmed, before, clipKnobArea), 2.0);
    EXPECT_GT (meanDifference (dimmed, before, curveKnobArea), 2.0);
    EXPECT_GT (meanDifference (dimmed, before, clipLabelArea), 2.0);

    // The level bars are never dimmed.
    EXPECT_LT (meanDifference (dimmed, before, {0, 490, 218, 20}), 0.5);

    setParameter ("clipBypass", 0.0);
    const auto restored = captureSettled();
    EXPECT_LT (meanDifference (restored, before, clipKnobArea), 0.5);
    EXPECT_LT (meanDifference (restored, before, clipLabelArea), 0.5);
}

TEST_F (HostGuiTest, MovingTheDriveKnobFromTheHostReleasesTheBypass)
{
    openWindow();
    const auto before = captureSettled();

    setParameter ("clipBypass", 1.0);
    serve (200ms);
    ASSERT_EQ (getParameter ("clipBypass"), 1.0);

    // The knob's handler posts a click to the bypass switch; the editor's answer reaches the host as an
    // automation request, which the host confirms from its run loop.
    instance->clearAutomationEvents();
    setParameter ("clip", 0.4);
    EXPECT_TRUE (serveUntil ([&] { return getParameter ("clipBypass") == 0.0; })) << "the bypass stayed on";

    bool requestedRelease = false;

    for (auto& event : instance->getAutomationEvents())
        if (event.parameterID == "clipBypass" && event.kind == aaxhost::AutomationEvent::Kind::setValueRequest)
            requestedRelease = requestedRelease || event.value == 0.0;

    EXPECT_TRUE (requestedRelease);

    // The curve knob and its neighbours are back at full opacity (the drive knob itself has moved).
    const auto after = captureSettled();
    EXPECT_LT (meanDifference (after, before, curveKnobArea), 0.5);
}

TEST_F (HostGuiTest, DriveReadoutReturnsToItsCaptionHalfASecondAfterAHostChange)
{
    openWindow();
    const auto& reference = getReferenceImage();
    const auto before = captureSettled();
    ASSERT_LT (meanDifference (before, reference, clipLabelArea), 3.0);

    setParameter ("clip", 0.5);
    serve (150ms);
    const auto readout = capture();
    EXPECT_GT (meanDifference (readout, reference, clipLabelArea), 3.0) << "no readout was shown";

    // The caption comes back from a 500 ms one-shot timer, served by the host's run loop.
    EXPECT_TRUE (serveUntil ([&] { return meanDifference (capture(), reference, clipLabelArea) < 3.0; }, 2s))
        << "the caption did not come back";
}

TEST_F (HostGuiTest, DriveReadoutStaysAfterWheelStepsWithThePointerOnTheKnob)
{
    openWindow();
    const auto& reference = getReferenceImage();
    ASSERT_LT (meanDifference (captureSettled(), reference, clipLabelArea), 3.0);

    scrollInWindow (window->getWindow(), clipKnobArea.x + clipKnobArea.width / 2,
                    clipKnobArea.y + clipKnobArea.height / 2, 3);
    EXPECT_GT (getParameter ("clip"), 0.0) << "the wheel did not reach the knob";

    // Nothing ends the readout while the pointer rests on the knob: no drag ended, no change came
    // with the pointer elsewhere.
    serve (300ms);
    EXPECT_GT (meanDifference (capture(), reference, clipLabelArea), 3.0) << "no readout at 0.3 s";
    serve (1000ms);
    const auto picture = capture();
    writeSnapshot (picture, "host-window-wheel-readout");
    EXPECT_GT (meanDifference (picture, reference, clipLabelArea), 3.0) << "no readout at 1.3 s";
}

TEST_F (HostGuiTest, AWindowOpenedWhileBypassedShowsItAndOneClickReleasesIt)
{
    setParameter ("clipBypass", 1.0);
    openWindow();
    const auto& reference = getReferenceImage();
    const auto dimmed = captureSettled();
    writeSnapshot (dimmed, "host-window-opened-bypassed");

    EXPECT_GT (meanDifference (dimmed, reference, clipKnobArea), 2.0);
    EXPECT_GT (meanDifference (dimmed, reference, curveKnobArea), 2.0);
    EXPECT_GT (meanDifference (dimmed, reference, clipLabelArea), 2.0);
    EXPECT_GT (meanDifference (dimmed, reference, clipAnimationArea), 2.0);

    clickInWindow (window->getWindow(), clipAnimationArea.x + clipAnimationArea.width / 2,
                   clipAnimationArea.y + clipAnimationArea.height / 2);
    ASSERT_TRUE (serveUntil ([&] { return getParameter ("clipBypass") == 0.0; })) << "the click did not release it";

    const auto released = captureSettled();
    EXPECT_LT (meanDifference (released, reference, clipKnobArea), 0.5);
    EXPECT_LT (meanDifference (released, reference, clipLabelArea), 0.5);
    EXPECT_GT (meanDifference (released, dimmed, clipAnimationArea), 2.0);
}

TEST_F (HostGuiTest, MetersMoveWhileAudioRunsAndFreezeUnderMasterBypass)
{
    openWindow();
    const auto silent = captureSettled();
    EXPECT_EQ (barWidth (silent, inputMeterLeftArea), 0);
    EXPECT_EQ (barWidth (silent, outputMeterLeftArea), 0);

    startAudio();
    ASSERT_TRUE (serveUntil ([&] { return barWidth (capture(), inputMeterLeftArea) > 0; }, 3s))
        << "the input meter did not move";

    // The built-in signal keeps rising, so the bars keep growing.
    const auto first = barWidth (capture(), inputMeterLeftArea);
    EXPECT_TRUE (serveUntil ([&] { return barWidth (capture(), inputMeterLeftArea) != first; }, 3s));
    EXPECT_GT (barWidth (capture(), outputMeterLeftArea), 0);
    writeSnapshot (capture(), "host-window-playing");

    ASSERT_TRUE (instance->hasParameter ("MasterBypassID"));
    setParameter ("MasterBypassID", 1.0);
    serve (300ms);

    const auto frozen = capture();
    serve (600ms);
    const auto later = capture();
    EXPECT_GT (barWidth (frozen, inputMeterLeftArea), 0);
    EXPECT_EQ (barWidth (later, inputMeterLeftArea), barWidth (frozen, inputMeterLeftArea));
    EXPECT_EQ (barWidth (later, outputMeterLeftArea), barWidth (frozen, outputMeterLeftArea));
    EXPECT_GT (player->getNumBlocksProcessed(), 0);
}

TEST_F (HostGuiTest, ReopenedWindowStillDrawsWithTheEmbeddedFont)
{
    openWindow();
    const auto first = captureSettled();
    closeWindow();
    serve (100ms);

    openWindow();
    const auto second = captureSettled();
    writeSnapshot (second, "host-window-reopened");

    // The caption "CLIP" is drawn in the default typeface; the reference was drawn with the embedded font.
    const auto& reference = getReferenceImage();
    EXPECT_LT (meanDifference (second, reference, clipLabelArea), 3.0);
    EXPECT_LT (shareOfDifferingPixels (second, reference, renderingTolerance), acceptedShareOfDifferingPixels);
    EXPECT_LT (meanDifference (second, first), 1.0);
}

TEST_F (HostGuiTest, EditorOfANewInstanceWorksAfterTheFirstInstanceIsGone)
{
    openWindow();
    captureSettled();
    closeWindow();

    // With the last instance gone JUCE shuts its message loop down; the next instance starts a new one,
    // which must be attached to the host's run loop again.
    const auto* stereo = &effect->components.back();
    instance.reset();
    serve (50ms);
    EXPECT_EQ (aaxhost::RunLoop::getMain().getNumFds(), 0u) << "JUCE's descriptors are still attached";

    instance = host->createInstance (*effect, *stereo, {});

    openWindow();
    const auto& reference = getReferenceImage();
    const auto picture = captureSettled();
    EXPECT_LT (shareOfDifferingPixels (picture, reference, renderingTolerance), acceptedShareOfDifferingPixels);

    // A timer and a posted click of the new message loop.
    setParameter ("clipBypass", 1.0);
    serve (100ms);
    setParameter ("clip", 0.6);
    EXPECT_TRUE (serveUntil ([&] { return getParameter ("clipBypass") == 0.0; })) << "the posted click was lost";
    EXPECT_TRUE (serveUntil ([&] { return meanDifference (capture(), reference, clipLabelArea) < 3.0; }, 2s))
        << "the caption's timer did not fire";
}

TEST_F (HostGuiTest, NothingOfThePluginIsLeftAliveAfterTheWindowAndInstanceGo)
{
    openWindow();
    captureSettled();
    startAudio();
    serve (300ms);

    player.reset();
    closeWindow();
    instance.reset();
    serve (100ms);

    EXPECT_EQ (host->canUnloadNow(), 0);
}

TEST_F (HostGuiTest, HostResizesItsWindowWhenThePluginAsksAndRefusesNonsense)
{
    openWindow();
    auto& container = const_cast<aaxhost::HostViewContainer&> (window->getViewContainer());

    AAX_Point larger (600.0f, 300.0f);
    EXPECT_EQ (container.SetViewSize (&larger), 0);
    EXPECT_EQ (window->getWindow().getWidth(), 300);
    EXPECT_EQ (window->getWindow().getHeight(), 600);

    AAX_Point empty (0.0f, 300.0f);
    EXPECT_NE (container.SetViewSize (&empty), 0);
    EXPECT_NE (container.SetViewSize (nullptr), 0);
    EXPECT_EQ (window->getWindow().getHeight(), 600);
}
}
