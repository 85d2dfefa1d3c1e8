#include "X11Platform.h"

#include <gtest/gtest.h>

int main (int argc, char** argv)
{
    // Before anything in the process opens a display: the bundle's framework talks to the X server
    // from more than one thread.
    aaxhost::initialiseX11();

    ::testing::InitGoogleTest (&argc, argv);
    return RUN_ALL_TESTS();
}
