// The host's own window, without a plug-in in it.

#include "HostGuiTest.h"

#include "X11Platform.h"

#include <X11/Xlib.h>

namespace hostgui
{
namespace
{
    class HostWindowTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            if (!aaxhost::initialiseX11())
                GTEST_SKIP() << "no X display";
        }
    };
}

TEST_F (HostWindowTest, ReportsTheWindowManagersCloseRequest)
{
    aaxhost::HostWindow window ("close test", 120, 80);
    window.show();
    ASSERT_TRUE (window.isShowing());
    EXPECT_FALSE (window.isCloseRequested());

    // What a window manager sends when the user clicks the close button.
    auto* display = window.getDisplay();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.getNativeWindow();
    event.xclient.message_type = XInternAtom (display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom (display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent (display, window.getNativeWindow(), False, NoEventMask, &event);
    XFlush (display);

    EXPECT_TRUE (aaxhost::RunLoop::getMain().runUntil ([&] { return window.isCloseRequested(); }, 2s));
}

TEST_F (HostWindowTest, CapturesItsOwnSizeAndStaysAtTheSizeItWasGiven)
{
    aaxhost::HostWindow window ("size test", 218, 523);
    window.show();

    const auto picture = window.capture();
    EXPECT_EQ (picture.width, 218);
    EXPECT_EQ (picture.height, 523);

    // Black background until something draws into it.
    EXPECT_EQ (picture.at (10, 10)[0], 0);
    EXPECT_EQ (picture.at (10, 10)[3], 255);

    window.setContentSize (300, 200);
    EXPECT_EQ (window.getWidth(), 300);
    EXPECT_EQ (window.getHeight(), 200);
}

TEST_F (HostWindowTest, PicturesSurviveAPngRoundTrip)
{
    aaxhost::Image image (3, 2);
    image.at (2, 1)[0] = 200;
    image.at (2, 1)[3] = 255;
    image.at (0, 0)[1] = 17;
    image.at (0, 0)[3] = 128;

    const auto path = writeSnapshot (image, "round-trip");
    const auto read = aaxhost::readPngFile (path);

    EXPECT_EQ (read.width, 3);
    EXPECT_EQ (read.height, 2);
    EXPECT_EQ (read.pixels, image.pixels);
    EXPECT_THROW (aaxhost::readPngFile (path + ".missing"), aaxhost::ImageFileError);
    EXPECT_THROW (aaxhost::writePngFile (path, aaxhost::Image()), aaxhost::ImageFileError);
}
}
