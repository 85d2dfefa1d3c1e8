#include "HostGuiTest.h"

#include "TestSignal.h"
#include "X11Platform.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace hostgui
{
namespace
{
    int channelDifference (const uint8_t* a, const uint8_t* b, int channel)
    {
        return std::abs ((int)a[channel] - (int)b[channel]);
    }

    bool isBlank (const aaxhost::Image& image)
    {
        for (size_t i = 0; i < image.pixels.size(); i += 4)
            if (image.pixels[i] != 0 || image.pixels[i + 1] != 0 || image.pixels[i + 2] != 0)
                return false;

        return true;
    }
}

double meanDifference (const aaxhost::Image& a, const aaxhost::Image& b, Area area)
{
    if (a.width != b.width || a.height != b.height)
        return 255.0;

    double sum = 0.0;

    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            for (int channel = 0; channel < 3; ++channel)
                sum += channelDifference (a.at (x, y), b.at (x, y), channel);

    return sum / (3.0 * area.width * area.height);
}

double shareOfDifferingPixels (const aaxhost::Image& a, const aaxhost::Image& b, int tolerance, Area area)
{
    if (a.width != b.width || a.height != b.height)
        return 1.0;

    int differing = 0;

    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            for (int channel = 0; channel < 3; ++channel)
                if (channelDifference (a.at (x, y), b.at (x, y), channel) > tolerance)
                {
                    ++differing;
                    break;
                }

    return (double)differing / (area.width * area.height);
}

int barWidth (const aaxhost::Image& image, Area meter)
{
    const auto y = meter.y + meter.height / 2;
    int width = 0;

    for (int x = meter.x; x < meter.x + meter.width; ++x)
    {
        const auto* pixel = image.at (x, y);

        if (pixel[0] > 200 && pixel[1] > 200 && pixel[2] > 200)
            ++width;
    }

    return width;
}

bool isNear (const aaxhost::Image& image, int x, int y, uint32_t rgb, int tolerance)
{
    const auto* pixel = image.at (x, y);
    const int expected[] = {(int)((rgb >> 16) & 0xff), (int)((rgb >> 8) & 0xff), (int)(rgb & 0xff)};

    for (int channel = 0; channel < 3; ++channel)
        if (std::abs ((int)pixel[channel] - expected[channel]) > tolerance)
            return false;

    return true;
}

const aaxhost::Image& getReferenceImage()
{
    static const aaxhost::Image reference = []
    {
        const std::string path = VANTREL_EDITOR_REFERENCE_PNG;

        // CTest makes it first; a test program started by hand makes it itself.
        if (!std::filesystem::exists (path))
        {
            const auto command = std::string ("\"") + VANTREL_EDITOR_REFERENCE_TOOL + "\" \"" + path + "\"";

            if (std::system (command.c_str()) != 0)
                throw std::runtime_error ("the editor's reference rendering failed: " + command);
        }

        return aaxhost::readPngFile (path);
    }();

    return reference;
}

std::string writeSnapshot (const aaxhost::Image& image, const std::string& name)
{
    std::filesystem::create_directories (VANTREL_HOST_GUI_SNAPSHOT_DIR);
    const auto path = std::string (VANTREL_HOST_GUI_SNAPSHOT_DIR) + "/" + name + ".png";
    aaxhost::writePngFile (path, image);
    return path;
}

namespace
{
    // Moves the pointer over a point of the window, through the X server, and lets the editor see it
    // enter and hover there, as with a real mouse.
    Display* movePointerInto (aaxhost::HostWindow& window, int x, int y)
    {
        auto* display = window.getDisplay();
        int rootX = 0, rootY = 0;
        Window child = 0;
        XTranslateCoordinates (display, window.getNativeWindow(), DefaultRootWindow (display), x, y, &rootX, &rootY,
                               &child);

        XTestFakeMotionEvent (display, -1, rootX, rootY, 0);
        XFlush (display);
        aaxhost::RunLoop::getMain().runFor (60ms);
        return display;
    }

    void pressAndRelease (Display* display, unsigned int button)
    {
        for (const auto isPress : {True, False})
        {
            XTestFakeButtonEvent (display, button, isPress, 0);
            XFlush (display);
            aaxhost::RunLoop::getMain().runFor (60ms);
        }
    }
}

void parkPointer()
{
    if (auto* display = XOpenDisplay (nullptr))
    {
        const auto screen = DefaultScreen (display);
        XTestFakeMotionEvent (display, screen, DisplayWidth (display, screen) - 1, DisplayHeight (display, screen) - 1,
                              0);
        XSync (display, False);
        XCloseDisplay (display);
    }
}

void clickInWindow (aaxhost::HostWindow& window, int x, int y)
{
    pressAndRelease (movePointerInto (window, x, y), 1);
}

void scrollInWindow (aaxhost::HostWindow& window, int x, int y, int notches)
{
    // X reports a wheel as presses of buttons 4 (up) and 5 (down).
    auto* display = movePointerInto (window, x, y);

    for (int notch = 0; notch < std::abs (notches); ++notch)
        pressAndRelease (display, notches > 0 ? 4 : 5);
}

//==============================================================================
void HostGuiTest::SetUp()
{
    if (!aaxhost::initialiseX11())
        GTEST_SKIP() << "no X display";

    parkPointer();
    host = std::make_unique<aaxhost::Host> (VANTREL_BUNDLE_PATH);
    host->registerPlugin();

    ASSERT_FALSE (host->getDescription().effects.empty());
    effect = &host->getDescription().effects.front();

    const aaxhost::ComponentDescription* stereo = nullptr;

    for (auto& component : effect->components)
        if (component.getNumInputChannels() == 2 && component.getNumOutputChannels() == 2)
            stereo = &component;

    ASSERT_NE (stereo, nullptr);

    aaxhost::InstanceSettings settings;
    settings.sampleRate = 48000.0;
    settings.maxBlockSize = 512;
    instance = host->createInstance (*effect, *stereo, settings);
}

void HostGuiTest::TearDown()
{
    player.reset();
    window.reset();
    instance.reset();
    host.reset();
    parkPointer();
}

void HostGuiTest::openWindow()
{
    window = std::make_unique<aaxhost::PluginWindow> (*instance, *effect, "host-gui test");
}

void HostGuiTest::closeWindow()
{
    window.reset();
}

void HostGuiTest::serve (std::chrono::milliseconds duration)
{
    aaxhost::RunLoop::getMain().runFor (duration);
}

bool HostGuiTest::serveUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    return aaxhost::RunLoop::getMain().runUntil (condition, timeout);
}

aaxhost::Image HostGuiTest::captureSettled()
{
    // The editor's OpenGL context draws on its own thread once the window shows; wait for its first
    // frame, then for two frames in a row that agree.
    std::optional<aaxhost::Image> previous;

    for (int attempt = 0; attempt < 100; ++attempt)
    {
        serve (50ms);
        auto current = capture();

        if (isBlank (current))
            continue;

        if (previous && previous->pixels == current.pixels)
            return current;

        previous = std::move (current);
    }

    return previous ? *previous : capture();
}

void HostGuiTest::setParameter (const std::string& id, double normalized)
{
    instance->setNormalizedValue (id, normalized);
}

double HostGuiTest::getParameter (const std::string& id) const
{
    return instance->getNormalizedValue (id);
}

void HostGuiTest::startAudio()
{
    player = std::make_unique<aaxhost::AudioPlayer> (*instance, aaxhost::makeTestSignal (48000.0, 2), 512);
    player->start();
}
}
