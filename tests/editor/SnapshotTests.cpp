#include "EditorTestFixture.h"

#ifndef VANTREL_SNAPSHOT_DIR
#define VANTREL_SNAPSHOT_DIR "."
#endif

namespace
{
juce::File writeSnapshot (juce::Component& editor, const juce::String& name)
{
    const auto file = juce::File (VANTREL_SNAPSHOT_DIR).getChildFile (name + ".png");
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat().writeImageToStream (editor.createComponentSnapshot (editor.getLocalBounds(), true, 1.0f),
                                               out);
    return file;
}
} // namespace

// Renders the editor in three states into the build folder so that a person can look at it.
TEST_F (EditorTest, WritesSnapshotsOfThreeStates)
{
    const auto showsCaption = [this] { return access->clipLabel().getText() == "CLIP"; };

    // Default parameters, with some signal on the meters.
    processSine (0.5f);
    GuiTest::pump (120);
    const auto defaultState = writeSnapshot (*editor, "editor-default");

    // Driven at 10 dB, clipping, then bypassed: dimmed and frozen.
    setParameter (Parameters::Clip::gain.id, 10.0f);
    processSine (0.7f);
    GuiTest::pump (120);
    setParameter (Parameters::Clip::bypass.id, 1.0f);
    ASSERT_TRUE (GuiTest::pumpUntil (showsCaption));
    const auto bypassed = writeSnapshot (*editor, "editor-bypassed");

    // The information overlay over the default state.
    setParameter (Parameters::Clip::bypass.id, 0.0f);
    setParameter (Parameters::Clip::gain.id, 0.0f);
    processSine (0.5f);
    mouse->click (centreOf (Parameters::Bounds::infoDialogButton));
    ASSERT_TRUE (GuiTest::pumpUntil (showsCaption));
    const auto overlay = writeSnapshot (*editor, "editor-info");

    for (const auto& file : {defaultState, bypassed, overlay})
    {
        const auto image = juce::ImageFileFormat::loadFrom (file);
        EXPECT_EQ (image.getBounds(), juce::Rectangle<int> (218, 523)) << file.getFullPathName();
    }
}
