#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

// The processor's value-tree state runs a timer, so the framework's message manager must exist;
// it is shut down again (singletons included) before the program ends.
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
