// The processor under the threads a host really uses at once: an audio thread that never stops
// processing, a host thread that automates every parameter and saves and restores the state, a
// thread that reads the five level values, and (with a display) the editor open on the message
// thread. The audio thread must see no lock and no allocation and must only ever produce finite
// samples; ThreadSanitizer runs the same tests to find data races.

#include "ConcurrencyThreads.h"

#include "EngineTestHelpers.h"

#include <gtest/gtest.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace
{
using namespace std::chrono_literals;
using namespace concurrency;

constexpr int blockSize = 256;

std::unique_ptr<VantrelAudioProcessor> makePreparedProcessor (int numChannels)
{
    auto processor = EngineTest::makeProcessor (numChannels);
    EngineTest::prepare (*processor, blockSize);
    return processor;
}

// Runs processBlock back to back, as the host's real-time thread does, until told to stop. Block
// lengths vary up to the prepared size; the input is a loud sine with a little noise.
class ProcessorAudioThread
{
public:
    ProcessorAudioThread (VantrelAudioProcessor& p, int channels)
        : processor (p)
        , numChannels (channels)
    {
    }

    AudioReport stop() { return thread.stop(); }

private:
    void processOneBlock (std::minstd_rand& random, AudioReport& report)
    {
        const auto length = 1 + (int)(random() % blockSize);
        buffer.setSize (numChannels, length, false, false, true);

        for (int i = 0; i < length; ++i)
        {
            const auto sample = 1.2f * std::sin (phase) + 0.01f * (float)((int)(random() % 200) - 100) / 100.0f;
            phase += 0.03f;

            for (int channel = 0; channel < numChannels; ++channel)
                buffer.setSample (channel, i, sample);
        }

        processor.processBlock (buffer, midi);

        for (int channel = 0; channel < numChannels; ++channel)
            for (int i = 0; i < length; ++i)
            {
                const auto sample = buffer.getSample (channel, i);

                if (!std::isfinite (sample))
                    ++report.nonFiniteSamples;
                else
                    report.largestMagnitude = std::max (report.largestMagnitude, std::abs (sample));
            }
    }

    VantrelAudioProcessor& processor;
    const int numChannels;
    juce::AudioBuffer<float> buffer;
    juce::MidiBuffer midi;
    float phase = 0.0f;

    // Sized the way setSize sizes it, so that the shorter blocks never reallocate (the constructor's
    // channel list is smaller than setSize's).
    AudioThread thread{[this] (std::minstd_rand& random, AudioReport& report) { processOneBlock (random, report); }, 7,
                       [this] { buffer.setSize (numChannels, blockSize); }};
};

// Every parameter, one after the other, to a random value inside a gesture, the way a host plays
// back automation or a control surface moves them.
void automateEveryParameter (VantrelAudioProcessor& processor, std::minstd_rand& random)
{
    for (auto* parameter : processor.getParameters())
    {
        parameter->beginChangeGesture();
        parameter->setValueNotifyingHost ((float)(random() % 1001) / 1000.0f);
        parameter->endChangeGesture();
    }
}

// States the restoring thread hands back: saved ones, and blocks a careless host might hand over.
std::vector<juce::MemoryBlock> makeStatesToRestore (VantrelAudioProcessor& processor)
{
    std::vector<juce::MemoryBlock> states;

    for (int variant = 0; variant < 4; ++variant)
    {
        std::minstd_rand random ((unsigned)variant + 1);
        automateEveryParameter (processor, random);
        states.emplace_back();
        processor.getStateInformation (states.back());
    }

    auto truncated = states.front();
    truncated.setSize (truncated.getSize() / 2);
    states.push_back (truncated);

    const char garbage[] = "VC2!\x20\x00\x00\x00<PARAM id=\"input\" value=\"inf\"/>  ";
    states.emplace_back (garbage, sizeof (garbage));

    return states;
}

void restoreAndSave (VantrelAudioProcessor& processor, const std::vector<juce::MemoryBlock>& states,
                     std::minstd_rand& random)
{
    const auto& state = states[random() % states.size()];
    processor.setStateInformation (state.getData(), (int)state.getSize());

    juce::MemoryBlock saved;
    processor.getStateInformation (saved);
    ASSERT_GE (saved.getSize(), 9u);
}

void readLevels (const VantrelAudioProcessor& processor, std::atomic<long>& nonFiniteLevels)
{
    for (const auto level : {processor.inputLevelLeft(), processor.inputLevelRight(), processor.outputLevelLeft(),
                             processor.outputLevelRight(), processor.clipLevel()})
        if (!std::isfinite (level))
            ++nonFiniteLevels;
}

void expectRealtimeSafeAndFinite (const AudioReport& report)
{
    EXPECT_GT (report.blocks, 10);
    EXPECT_EQ (report.nonFiniteSamples, 0);

    // Input gain, drive and output gain at their maxima still leave the clamped signal at no more
    // than the output gain (10); with the clip stage bypassed the unclipped signal (input 1.21 at
    // +20 dB) passes without clamp, times the output gain, plus the oversampler's filter ripple.
    EXPECT_LT (report.largestMagnitude, 1.3f * 10.0f * 10.0f);

    if (RealtimeProbe::isAvailable())
    {
        EXPECT_EQ (report.allocations, 0) << "the audio thread allocated";
        EXPECT_EQ (report.lockAttempts, 0) << "the audio thread took a lock";
    }
}

class EngineConcurrency : public testing::TestWithParam<int>
{
};
}

TEST_P (EngineConcurrency, AudioKeepsRunningWhileParametersStatesAndLevelsAreUsedElsewhere)
{
    auto processor = makePreparedProcessor (GetParam());
    const auto states = makeStatesToRestore (*processor);
    std::atomic<long> nonFiniteLevels{0};

    ProcessorAudioThread audio (*processor, GetParam());
    RepeatingThread automation ([&] (std::minstd_rand& random) { automateEveryParameter (*processor, random); });
    RepeatingThread restoring ([&] (std::minstd_rand& random) { restoreAndSave (*processor, states, random); });
    RepeatingThread meters ([&] (std::minstd_rand&) { readLevels (*processor, nonFiniteLevels); });

    std::this_thread::sleep_for (runTime());

    EXPECT_GT (automation.stop(), 0);
    EXPECT_GT (restoring.stop(), 0);
    EXPECT_GT (meters.stop(), 0);
    expectRealtimeSafeAndFinite (audio.stop());
    EXPECT_EQ (nonFiniteLevels.load(), 0);
}

TEST_P (EngineConcurrency, OversamplingAndBypassSwitchedBetweenEveryBlock)
{
    auto processor = makePreparedProcessor (GetParam());
    auto* quality = processor->apvts.getParameter ("quality");
    auto* bypass = processor->apvts.getParameter ("clipBypass");
    auto* drive = processor->apvts.getParameter ("clip");
    ASSERT_NE (quality, nullptr);
    ASSERT_NE (bypass, nullptr);
    ASSERT_NE (drive, nullptr);

    ProcessorAudioThread audio (*processor, GetParam());
    RepeatingThread switching (
        [&] (std::minstd_rand& random)
        {
            quality->setValueNotifyingHost ((float)(random() % 2));
            bypass->setValueNotifyingHost ((float)(random() % 2));
            drive->setValueNotifyingHost (1.0f);
            std::this_thread::yield();
        });

    std::this_thread::sleep_for (runTime());

    EXPECT_GT (switching.stop(), 0);
    expectRealtimeSafeAndFinite (audio.stop());
}

namespace
{
// Opens the editor in a window of its own and closes it again when destroyed.
class OpenEditor
{
public:
    explicit OpenEditor (VantrelAudioProcessor& p)
        : processor (p)
        , editor (p.createEditorIfNeeded())
    {
        if (editor != nullptr)
        {
            editor->addToDesktop (juce::ComponentPeer::windowIsTemporary);
            editor->setVisible (true);
        }
    }

    ~OpenEditor()
    {
        // Let the updates the other threads posted arrive before the editor goes.
        juce::MessageManager::getInstance()->runDispatchLoopUntil (50);

        if (editor != nullptr)
            processor.editorBeingDeleted (editor.get());
    }

    bool isOpen() const { return editor != nullptr; }

private:
    VantrelAudioProcessor& processor;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
};

bool hasDisplay()
{
    return juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() != nullptr;
}
}

// The editor's timers read the levels and its attachments follow the parameters on the message
// thread, which is also the host's main thread: automation, saving and restoring happen there, in
// between the editor's own work, while the audio thread runs and another thread reads the levels.
TEST_P (EngineConcurrency, EditorOpenWhileTheHostWorksOnTheMessageThreadAndAudioRuns)
{
    if (!hasDisplay())
        GTEST_SKIP() << "no display to open the editor on";

    auto processor = makePreparedProcessor (GetParam());
    const auto states = makeStatesToRestore (*processor);
    std::atomic<long> nonFiniteLevels{0};

    const OpenEditor editor (*processor);
    ASSERT_TRUE (editor.isOpen());

    ProcessorAudioThread audio (*processor, GetParam());
    RepeatingThread meters ([&] (std::minstd_rand&) { readLevels (*processor, nonFiniteLevels); });

    std::minstd_rand random (13);
    long rounds = 0;
    const auto end = std::chrono::steady_clock::now() + runTime();

    while (std::chrono::steady_clock::now() < end)
    {
        automateEveryParameter (*processor, random);
        restoreAndSave (*processor, states, random);
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
        ++rounds;
    }

    EXPECT_GT (rounds, 0);
    EXPECT_GT (meters.stop(), 0);
    expectRealtimeSafeAndFinite (audio.stop());
    EXPECT_EQ (nonFiniteLevels.load(), 0);
}

// Automation and restores from a thread other than the message thread while the editor is open.
// Another thread automates and restores while the editor is open. The clip animation neither waits
// for the message thread while JUCE holds the parameter's listener lock (a deadlock), nor posts a
// message per change (a queue that grows faster than the message thread drains it).
TEST_P (EngineConcurrency, EditorOpenWhileAnotherThreadAutomatesAndRestores)
{
    if (!hasDisplay())
        GTEST_SKIP() << "no display to open the editor on";

    auto processor = makePreparedProcessor (GetParam());
    const auto states = makeStatesToRestore (*processor);
    const OpenEditor editor (*processor);
    ASSERT_TRUE (editor.isOpen());

    ProcessorAudioThread audio (*processor, GetParam());
    RepeatingThread automation ([&] (std::minstd_rand& random) { automateEveryParameter (*processor, random); });
    RepeatingThread restoring ([&] (std::minstd_rand& random) { restoreAndSave (*processor, states, random); });

    juce::MessageManager::getInstance()->runDispatchLoopUntil ((int)runTime().count());

    EXPECT_GT (automation.stop(), 0);
    EXPECT_GT (restoring.stop(), 0);
    expectRealtimeSafeAndFinite (audio.stop());
}

INSTANTIATE_TEST_SUITE_P (MonoAndStereo, EngineConcurrency, testing::Values (1, 2),
                          [] (const testing::TestParamInfo<int>& paramInfo)
                          { return paramInfo.param == 1 ? std::string ("Mono") : std::string ("Stereo"); });
