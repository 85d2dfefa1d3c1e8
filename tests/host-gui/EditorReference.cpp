// Renders the editor on its own, without any host, with JUCE's software renderer and writes the
// picture as PNG: what the editor looks like when nothing has played yet. The host GUI tests compare
// the pixels of the host's window with it.
//
// Usage: vantrel_editor_reference OUT.png

#include "GuiTestSupport.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <cstdio>
#include <memory>

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: vantrel_editor_reference OUT.png\n");
        return 2;
    }

    if (!GuiTest::prepareHeadlessDisplay())
    {
        std::fprintf (stderr, "vantrel_editor_reference: libX11 is not available\n");
        return 1;
    }

    int result = 1;

    {
        const juce::ScopedJuceInitialiser_GUI juceInitialiser;
        const std::unique_ptr<juce::AudioProcessor> processor (createPluginFilter());
        std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());

        if (editor != nullptr)
        {
            const auto picture = editor->createComponentSnapshot (editor->getLocalBounds(), true, 1.0f);
            const juce::File file (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
            file.deleteFile();

            if (auto stream = file.createOutputStream(); stream != nullptr)
                result = juce::PNGImageFormat().writeImageToStream (picture, *stream) ? 0 : 1;

            processor->editorBeingDeleted (editor.get());
            editor.reset();
        }

        if (result != 0)
            std::fprintf (stderr, "vantrel_editor_reference: cannot write %s\n", argv[1]);
    }

    return result;
}
