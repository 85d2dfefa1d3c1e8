#include "GuiTestSupport.h"

#include <gtest/gtest.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    // Listing the tests (as CTest's discovery does at build time) needs no display.
    if (::testing::GTEST_FLAG (list_tests))
        return RUN_ALL_TESTS();

    if (!GuiTest::prepareHeadlessDisplay())
    {
        std::fprintf (stderr, "libX11 could not be loaded\n");
        return 1;
    }

    int result = 0;
    {
        // Shuts JUCE down again (singletons, message manager) when it goes.
        const juce::ScopedJuceInitialiser_GUI juce;
        result = RUN_ALL_TESTS();
    }
    return result;
}
