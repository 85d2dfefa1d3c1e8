#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

// The message thread is this program's main thread; JUCE is started once for all tests and shut
// down again (singletons included) before the program ends.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);

    if (testing::GTEST_FLAG (list_tests))
        return RUN_ALL_TESTS();

    if (!GuiTest::prepareHeadlessDisplay())
    {
        std::fprintf (stderr, "libX11 could not be loaded\n");
        return 1;
    }

    int result = 0;
    {
        const juce::ScopedJuceInitialiser_GUI juceInitialiser;
        result = RUN_ALL_TESTS();
    }

    return result;
}
