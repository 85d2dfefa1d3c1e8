#pragma once

// The substitute host with the real bundle's editor open in a host window on an X display. Each test
// loads the bundle, makes one stereo instance and opens its window, as `aax-host show` does.

#include "AudioPlayer.h"
#include "Host.h"
#include "HostWindow.h"
#include "Image.h"
#include "PluginInstance.h"
#include "PluginWindow.h"
#include "RunLoop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

namespace hostgui
{
using namespace std::chrono_literals;

/** A rectangle in window pixels. */
struct Area
{
    int x, y, width, height;
};

// Where the editor puts things (its layout constants).
constexpr Area editorArea{0, 0, 218, 523};
constexpr Area infoButtonArea{44, 13, 129, 59};
constexpr Area infoPanelArea{11, 173, 198, 177};
constexpr Area clipKnobArea{59, 339, 99, 111};
constexpr Area curveKnobArea{62, 317, 90, 27};
constexpr Area clipLabelArea{59, 452, 99, 12};
constexpr Area clipAnimationArea{32, 85, 153, 153};
constexpr Area inputMeterLeftArea{56, 497, 44, 4};
constexpr Area outputMeterLeftArea{164, 497, 44, 4};

/** The mean difference per channel (0 to 255) between two pictures of the same size over an area. */
double meanDifference (const aaxhost::Image& a, const aaxhost::Image& b, Area area = editorArea);

/** The share (0 to 1) of the area's pixels where some channel differs by more than the tolerance. */
double shareOfDifferingPixels (const aaxhost::Image& a, const aaxhost::Image& b, int tolerance, Area area = editorArea);

/** The width of a level bar: the number of columns of the meter's middle row that are nearly white. */
int barWidth (const aaxhost::Image& image, Area meter);

/** True when the pixel is within the tolerance of an RGB colour. */
bool isNear (const aaxhost::Image& image, int x, int y, uint32_t rgb, int tolerance);

/** The editor as it renders on its own before anything played (made by the reference tool). */
const aaxhost::Image& getReferenceImage();

/** Writes a picture to the tests' snapshot directory and returns its path. */
std::string writeSnapshot (const aaxhost::Image& image, const std::string& name);

/** Moves the X pointer to the screen's far corner, away from every window: where a test left it, a window
    opened later would find the pointer resting over one of its controls.
*/
void parkPointer();

/** Clicks with the first button at a point of the window, through the X server as a user would. */
void clickInWindow (aaxhost::HostWindow& window, int x, int y);

/** Turns the scroll wheel by some notches (positive turns up) with the pointer resting at a point of the
    window, through the X server.
*/
void scrollInWindow (aaxhost::HostWindow& window, int x, int y, int notches);

class HostGuiTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void openWindow();
    void closeWindow();

    /** Serves the main run loop for a while (the editor's timers, messages and input run meanwhile). */
    static void serve (std::chrono::milliseconds duration);

    /** Serves the run loop until the condition holds; returns it. */
    static bool serveUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s);

    /** The window's pixels once the editor has drawn itself and come to rest. */
    aaxhost::Image captureSettled();
    aaxhost::Image capture() { return window->getWindow().capture(); }

    void setParameter (const std::string& id, double normalized);
    double getParameter (const std::string& id) const;

    void startAudio();

    std::unique_ptr<aaxhost::Host> host;
    std::unique_ptr<aaxhost::PluginInstance> instance;
    std::unique_ptr<aaxhost::PluginWindow> window;
    std::unique_ptr<aaxhost::AudioPlayer> player;
    const aaxhost::EffectDescription* effect = nullptr;
};
}
