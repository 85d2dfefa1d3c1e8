#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

// The processor's value-tree state runs a timer, so the tests need the framework's message
// manager; its singletons are released before the leak detector looks.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);

    int result = 0;
    {
        const juce::ScopedJuceInitialiser_GUI juceInitialiser;
        result = RUN_ALL_TESTS();
    }

    return result;
}
