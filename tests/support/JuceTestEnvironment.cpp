// Starts JUCE once for all tests of a program that links this file, on the main thread, which is then
// the message thread, and shuts it down again (singletons included) before the program ends: the
// processor's value-tree state runs a timer, and the editor needs the message manager.
//
// Built twice: with VANTREL_TEST_HEADLESS_DISPLAY the program also gets Xlib ready for real windows on a
// bare X server (see GuiTestSupport.h) before JUCE opens the display.
#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

#if VANTREL_TEST_HEADLESS_DISPLAY
#include "GuiTestSupport.h"
#endif

namespace
{
class JuceTestEnvironment final : public testing::Environment
{
public:
    void SetUp() override
    {
#if VANTREL_TEST_HEADLESS_DISPLAY
        ASSERT_TRUE (GuiTest::prepareHeadlessDisplay()) << "libX11 could not be loaded";
#endif
        juce = std::make_unique<juce::ScopedJuceInitialiser_GUI>();
    }

    void TearDown() override
    {
        juce.reset();
    }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juce;
};

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment (new JuceTestEnvironment);
}
