#pragma once

#include "GuiTestSupport.h"
#include "PluginEditor.h"
#include "PluginProcessor.h"

#include <gtest/gtest.h>

// Reaches the editor's private members, for the tests only.
class EditorTestAccess
{
public:
    explicit EditorTestAccess (VantrelAudioProcessorEditor& e)
        : editor (e)
    {
    }

    Gui::InfoDialog& infoDialog() { return editor.infoDialog; }
    Gui::AnimationSection& animationSection() { return editor.animationSection; }
    Gui::MainSlider& clipSlider() { return editor.clipSlider; }
    Gui::MainSlider& clipCurveSlider() { return editor.clipCurveSlider; }
    Gui::AuxSlider& inSlider() { return editor.inSlider; }
    Gui::AuxSlider& outSlider() { return editor.outSlider; }
    Gui::ImageToggleButton& qualityButton() { return editor.qualityButton; }
    juce::ToggleButton& bypassToggle() { return editor.bypassToggle; }
    Gui::BypassButton& bypassButton() { return editor.bypassButton; }
    juce::TextButton& infoDialogButton() { return editor.infoDialogButton; }
    Gui::SliderLabel& clipLabel() { return editor.clipLabel; }
    juce::OpenGLContext& openGLContext() { return editor.openGLContext; }

private:
    VantrelAudioProcessorEditor& editor;
};

// A processor with its real editor open in a window of its own, as a host would show it.
class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        processor = std::make_unique<VantrelAudioProcessor>();
        openEditor();
    }

    void TearDown() override
    {
        closeEditor();
        processor.reset();
    }

    void openEditor()
    {
        editor.reset (dynamic_cast<VantrelAudioProcessorEditor*> (processor->createEditorIfNeeded()));
        ASSERT_NE (editor, nullptr);
        editor->addToDesktop (0);
        editor->setVisible (true);
        access = std::make_unique<EditorTestAccess> (*editor);
        mouse = std::make_unique<GuiTest::Mouse> (*editor);
        GuiTest::pump (30);
    }

    void closeEditor()
    {
        if (editor == nullptr)
            return;

        mouse.reset();
        access.reset();
        processor->editorBeingDeleted (editor.get());
        editor.reset();
    }

    // Sets a parameter as the host's automation does, in the parameter's own units.
    void setParameter (const juce::String& id, float value)
    {
        auto* parameter = processor->apvts.getParameter (id);
        parameter->setValueNotifyingHost (parameter->convertTo0to1 (value));
    }

    float parameter (const juce::String& id) const { return processor->apvts.getRawParameterValue (id)->load(); }

    bool bypassOn() const { return parameter (Parameters::Clip::bypass.id) >= 0.5f; }

    static juce::Point<int> centreOf (const juce::Rectangle<int>& r) { return r.getCentre(); }

    // Runs audio through the processor: a sine of the given peak amplitude.
    void processSine (float amplitude, int numBlocks = 4)
    {
        constexpr int blockSize = 512;
        processor->prepareToPlay (48000.0, blockSize);
        juce::AudioBuffer<float> buffer (2, blockSize);
        juce::MidiBuffer midi;

        for (int block = 0; block < numBlocks; ++block)
        {
            for (int channel = 0; channel < 2; ++channel)
                for (int i = 0; i < blockSize; ++i)
                    buffer.setSample (channel, i,
                                      amplitude * std::sin (juce::MathConstants<float>::twoPi * 997.0f *
                                                            static_cast<float> (block * blockSize + i) / 48000.0f));

            processor->processBlock (buffer, midi);
        }
    }

    std::unique_ptr<VantrelAudioProcessor> processor;
    std::unique_ptr<VantrelAudioProcessorEditor> editor;
    std::unique_ptr<EditorTestAccess> access;
    std::unique_ptr<GuiTest::Mouse> mouse;
};
