#include "EngineTestHelpers.h"

using namespace EngineTest;

namespace
{
using Smoother = VantrelAudioProcessor::LinearSmoother;

Smoother makeLevel()
{
    Smoother level (-60.0f);
    level.reset (sampleRate, 0.05);
    return level;
}

float levelOf (const juce::AudioBuffer<float>& buffer, int channel = 0)
{
    auto level = makeLevel();
    VantrelAudioProcessor::processLevelDecay (level, buffer, channel);
    return level.getCurrentValue();
}
}

TEST (Levels, MeterReadsTheRootMeanSquareInDecibels)
{
    EXPECT_NEAR (levelOf (makeSine (1, 4800, 1.0f, 1000.0)), -3.0103f, 0.001f);
    EXPECT_EQ (levelOf (makeConstant (1, 480, 1.0f)), 0.0f);
    EXPECT_NEAR (levelOf (makeConstant (1, 480, 0.5f)), -6.0206f, 0.0001f);
    EXPECT_NEAR (levelOf (makeConstant (1, 480, -2.0f)), 6.0206f, 0.0001f);

    // -120 dB is floored to -100; being below the start value, it is a fall, not a jump.
    auto level = makeLevel();
    VantrelAudioProcessor::processLevelDecay (level, makeConstant (1, 480, 1.0e-6f), 0);
    EXPECT_EQ (level.getTargetValue(), -100.0f);
    EXPECT_EQ (level.getCurrentValue(), -60.0f);
}

TEST (Levels, NothingToMeasureCountsAsSilence)
{
    const auto loud = makeConstant (2, 480, 1.0f);

    for (const auto channel : {-1, 2, 7})
    {
        auto level = makeLevel();
        VantrelAudioProcessor::processLevelDecay (level, loud, 0);
        VantrelAudioProcessor::processLevelDecay (level, loud, channel);
        EXPECT_EQ (level.getTargetValue(), -100.0f);
        EXPECT_EQ (level.getCurrentValue(), 0.0f);
    }

    auto level = makeLevel();
    VantrelAudioProcessor::processLevelDecay (level, loud, 0);
    VantrelAudioProcessor::processLevelDecay (level, juce::AudioBuffer<float> (2, 0), 0);
    EXPECT_EQ (level.getTargetValue(), -100.0f);
    EXPECT_EQ (level.getCurrentValue(), 0.0f);

    auto cleared = makeConstant (2, 480, 1.0f);
    cleared.clear();
    VantrelAudioProcessor::processLevelDecay (level, cleared, 0);
    EXPECT_EQ (level.getTargetValue(), -100.0f);
}

TEST (Levels, LevelsRiseAtOnceAndFallToTheFloorWithinFiftyMilliseconds)
{
    auto level = makeLevel();
    const auto loud = makeConstant (1, 480, 1.0f);
    const auto silence = makeConstant (1, 480, 0.0f);

    VantrelAudioProcessor::processLevelDecay (level, loud, 0);
    EXPECT_EQ (level.getCurrentValue(), 0.0f);

    // The first silent block sets the target; the fall is a straight line over 2400 samples.
    VantrelAudioProcessor::processLevelDecay (level, silence, 0);
    EXPECT_EQ (level.getTargetValue(), -100.0f);
    EXPECT_EQ (level.getCurrentValue(), 0.0f);

    VantrelAudioProcessor::processLevelDecay (level, silence, 0);
    EXPECT_NEAR (level.getCurrentValue(), -20.0f, 1.0e-4f);

    for (int block = 0; block < 3; ++block)
        VantrelAudioProcessor::processLevelDecay (level, silence, 0);

    EXPECT_NEAR (level.getCurrentValue(), -80.0f, 1.0e-3f);
    VantrelAudioProcessor::processLevelDecay (level, silence, 0);
    EXPECT_EQ (level.getCurrentValue(), -100.0f);

    // A louder block interrupts a fall at once.
    VantrelAudioProcessor::processLevelDecay (level, makeConstant (1, 480, 0.5f), 0);
    EXPECT_NEAR (level.getCurrentValue(), -6.0206f, 1.0e-4f);
}

TEST (Levels, BeforePreparationEveryUpdateIsAJump)
{
    Smoother level (-60.0f);
    VantrelAudioProcessor::processLevelDecay (level, makeConstant (1, 64, 1.0f), 0);
    EXPECT_EQ (level.getCurrentValue(), 0.0f);
    VantrelAudioProcessor::processLevelDecay (level, makeConstant (1, 64, 0.0f), 0);
    EXPECT_EQ (level.getCurrentValue(), -100.0f);
}

TEST (Levels, ProcessorStartsAtMinusSixtyAndMetersBothChannels)
{
    auto processor = makeProcessor();
    EXPECT_EQ (processor->inputLevelLeft(), -60.0f);
    EXPECT_EQ (processor->outputLevelRight(), -60.0f);
    EXPECT_EQ (processor->clipLevel(), 0.0f);

    setParameter (*processor, "input", 20.0f);
    setParameter (*processor, "output", -6.0f);
    prepare (*processor);

    auto buffer = makeSignal (2, blockSize, [] (int) { return 0.05f; });
    buffer.applyGain (1, 0, blockSize, 0.5f);
    processInBlocks (*processor, buffer);
    juce::MidiBuffer midi;
    processor->processBlock (buffer, midi);

    // The input is measured after the input gain, the output after the output gain.
    EXPECT_NEAR (processor->inputLevelLeft(), -6.0206f, 1.0e-3f);
    EXPECT_NEAR (processor->inputLevelRight(), -12.0412f, 1.0e-3f);
    EXPECT_NEAR (processor->outputLevelLeft(), -6.0206f - 6.0f, 0.01f);
    EXPECT_NEAR (processor->outputLevelRight(), -12.0412f - 6.0f, 0.01f);
}

TEST (Levels, MonoShowsChannelZeroOnBothMeters)
{
    auto processor = makeProcessor (1);
    prepare (*processor);
    processInBlocks (*processor, makeConstant (1, blockSize, 0.5f));

    EXPECT_NEAR (processor->inputLevelLeft(), -6.0206f, 1.0e-3f);
    EXPECT_EQ (processor->inputLevelRight(), processor->inputLevelLeft());
    EXPECT_EQ (processor->outputLevelRight(), processor->outputLevelLeft());
}

TEST (Levels, SilenceAfterALoudPassageReachesTheFloorAfterFiftyMilliseconds)
{
    for (const auto quality : {0.0f, 1.0f})
    {
        auto processor = makeProcessor();
        setParameter (*processor, "quality", quality);
        setParameter (*processor, "clip", 6.0f);
        prepare (*processor, 1200);
        processInBlocks (*processor, makeConstant (2, 4800, 1.0f), 1200);

        EXPECT_GT (processor->clipLevel(), 0.9f);
        EXPECT_NEAR (processor->inputLevelLeft(), 0.0f, 1.0e-4f);

        // The first silent block sets the targets, the fall takes the next 50 ms.
        const auto silence = makeConstant (2, 1200, 0.0f);
        processInBlocks (*processor, silence, 1200);
        EXPECT_GT (processor->clipLevel(), 0.9f);
        EXPECT_NEAR (processor->inputLevelLeft(), 0.0f, 1.0e-4f);

        // The clip level counts oversampled steps, so it falls in 25 ms in 2x mode.
        processInBlocks (*processor, silence, 1200);
        if (quality == 0.0f)
            EXPECT_GT (processor->clipLevel(), 0.4f);
        else
            EXPECT_LT (processor->clipLevel(), 0.3f);
        EXPECT_NEAR (processor->inputLevelLeft(), -50.0f, 1.0e-3f);

        processInBlocks (*processor, silence, 1200);
        EXPECT_EQ (processor->inputLevelLeft(), -100.0f);
        EXPECT_EQ (processor->inputLevelRight(), -100.0f);

        // In 2x mode the filters' tail still reaches the first silent block's output.
        processInBlocks (*processor, silence, 1200);
        EXPECT_EQ (processor->clipLevel(), 0.0f);
        EXPECT_EQ (processor->outputLevelLeft(), -100.0f);
        EXPECT_EQ (processor->outputLevelRight(), -100.0f);
    }
}

TEST (Levels, MeasuredLevelMatchesTheStraightforwardRootMeanSquare)
{
    juce::Random random (42);

    for (const auto length : {1, 3, 7, 8, 9, 64, 301, 480, 1024})
    {
        auto buffer = makeSignal (1, length, [&] (int) { return (random.nextFloat() * 2.0f - 1.0f) * 1.5f; });
        const auto expected = juce::Decibels::gainToDecibels (buffer.getRMSLevel (0, 0, length), -100.0f);

        Smoother level (-100.0f);
        VantrelAudioProcessor::processLevelDecay (level, buffer, 0);
        EXPECT_FLOAT_EQ (level.getCurrentValue(), expected) << length << " samples";
    }
}
