#include "EngineTestHelpers.h"

using namespace EngineTest;

namespace
{
juce::AudioProcessor::BusesLayout makeLayout (const juce::AudioChannelSet& input, const juce::AudioChannelSet& output)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (input);
    layout.outputBuses.add (output);
    return layout;
}
}

TEST (Processor, AcceptsMonoToMonoAndStereoToStereoOnly)
{
    VantrelAudioProcessor processor;
    using Set = juce::AudioChannelSet;

    EXPECT_TRUE (processor.checkBusesLayoutSupported (makeLayout (Set::mono(), Set::mono())));
    EXPECT_TRUE (processor.checkBusesLayoutSupported (makeLayout (Set::stereo(), Set::stereo())));

    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::mono(), Set::stereo())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::stereo(), Set::mono())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::stereo(), Set::disabled())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::disabled(), Set::stereo())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::quadraphonic(), Set::quadraphonic())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::createLCR(), Set::createLCR())));
    EXPECT_FALSE (
        processor.checkBusesLayoutSupported (makeLayout (Set::discreteChannels (2), Set::discreteChannels (2))));

    juce::AudioProcessor::BusesLayout noOutput;
    noOutput.inputBuses.add (Set::stereo());
    EXPECT_FALSE (processor.isBusesLayoutSupported (noOutput));
}

TEST (Processor, DefaultBusesAreStereoInputAndOutput)
{
    VantrelAudioProcessor processor;
    ASSERT_EQ (processor.getBusCount (true), 1);
    ASSERT_EQ (processor.getBusCount (false), 1);
    EXPECT_EQ (processor.getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (processor.getBus (false, 0)->getName(), "Output");
    EXPECT_EQ (processor.getMainBusNumInputChannels(), 2);
    EXPECT_EQ (processor.getMainBusNumOutputChannels(), 2);
}

TEST (Processor, GivesItsFixedAnswers)
{
    VantrelAudioProcessor processor;
    EXPECT_EQ (processor.getName(), "TAVRO Vantrel");
    EXPECT_EQ (processor.getTailLengthSeconds(), 0.0);
    EXPECT_FALSE (processor.acceptsMidi());
    EXPECT_FALSE (processor.producesMidi());
    EXPECT_FALSE (processor.isMidiEffect());
    EXPECT_TRUE (processor.hasEditor());
    EXPECT_EQ (processor.getNumPrograms(), 1);
    EXPECT_EQ (processor.getCurrentProgram(), 0);

    processor.setCurrentProgram (3);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    processor.changeProgramName (0, "Renamed");
    EXPECT_EQ (processor.getProgramName (0), "");
    EXPECT_EQ (processor.getProgramName (5), "");

    EXPECT_EQ (processor.getBypassParameter(), nullptr);
    EXPECT_EQ (processor.apvts.state.getType().toString(), "VantrelParameters");
}

TEST (Processor, FactoryMakesAnIndependentInstance)
{
    std::unique_ptr<juce::AudioProcessor> first (createPluginFilter());
    std::unique_ptr<juce::AudioProcessor> second (createPluginFilter());
    ASSERT_NE (dynamic_cast<VantrelAudioProcessor*> (first.get()), nullptr);

    setParameter (*dynamic_cast<VantrelAudioProcessor*> (first.get()), "clip", 9.0f);
    EXPECT_EQ (getParameter (*dynamic_cast<VantrelAudioProcessor*> (second.get()), "clip"), 0.0f);
}

TEST (Processor, IdentifiersAreComparedIgnoringCase)
{
    auto processor = makeProcessor();
    prepare (*processor);

    processor->parameterChanged ("CLIP", 6.0f);
    processor->parameterChanged ("no such parameter", 1.0f);
    const auto output = processInBlocks (*processor, makeConstant (2, 9600, 0.25f));
    EXPECT_NEAR (output.getSample (0, 9599), 0.25f * std::pow (10.0f, 0.3f), 1.0e-6f);

    processor->parameterChanged ("ClipByPass", 1.0f);
    processor->parameterChanged ("INPUT", 20.0f);
    const auto bypassed = processInBlocks (*processor, makeConstant (2, 19200, 0.25f));
    EXPECT_NEAR (bypassed.getSample (0, 19199), 2.5f, 1.0e-5f);
}

TEST (Processor, PreparingAgainResizesAndJumpsToTheParameterValues)
{
    auto processor = makeProcessor();
    prepare (*processor, 256);
    processInBlocks (*processor, makeConstant (2, 512, 0.5f), 256);

    // A ramp in progress is cut short by the next preparation.
    setParameter (*processor, "output", -20.0f);
    processInBlocks (*processor, makeConstant (2, 256, 0.5f), 256);

    setParameter (*processor, "quality", 1.0f);
    prepare (*processor, 1024);
    const auto output = processInBlocks (*processor, makeConstant (2, 4096, 0.5f), 1024);
    EXPECT_NEAR (output.getSample (0, 4095), 0.05f, 1.0e-4f);
    EXPECT_NEAR (output.getSample (1, 1000), 0.05f, 1.0e-4f);

    processor->releaseResources();
    prepare (*processor, 64);
    const auto small = processInBlocks (*processor, makeConstant (2, 640, 0.5f), 64);
    EXPECT_NEAR (small.getSample (0, 639), 0.05f, 1.0e-4f);
}

TEST (Processor, ClipBypassCrossfadesOverPointTwoSeconds)
{
    auto processor = makeProcessor();
    setParameter (*processor, "input", 12.0f);
    setParameter (*processor, "clip", 15.0f);
    prepare (*processor);
    processInBlocks (*processor, makeConstant (2, 4800, 0.5f));

    // Clipped, the driven signal gives 1; the unclipped one is the input after the input gain
    // alone (the drive belongs to the clipping stage), about 1.99.
    setParameter (*processor, "clipBypass", 1.0f);
    const auto fading = processInBlocks (*processor, makeConstant (2, 19200, 0.5f));
    const auto unclipped = 0.5f * std::pow (10.0f, 0.6f);

    EXPECT_NEAR (fading.getSample (0, 0), 1.0f, 1.0e-3f);
    EXPECT_GT (fading.getSample (0, 4800), 1.2f);
    EXPECT_LT (fading.getSample (0, 4800), 1.8f);
    EXPECT_LT (fading.getSample (0, 9000), unclipped);
    EXPECT_NEAR (fading.getSample (0, 19199), unclipped, 1.0e-5f);

    setParameter (*processor, "clipBypass", 0.0f);
    const auto back = processInBlocks (*processor, makeConstant (2, 19200, 0.5f));
    EXPECT_EQ (back.getSample (0, 19199), 1.0f);
}

TEST (Processor, BlocksBeforePreparationOrAfterReleaseAreLeftAlone)
{
    auto processor = makeProcessor();
    const auto input = makeSine (2, 256, 3.0f, 440.0);
    auto buffer = input;
    juce::MidiBuffer midi;

    processor->processBlock (buffer, midi);
    EXPECT_EQ (buffer.getSample (0, 10), input.getSample (0, 10));

    prepare (*processor, 256);
    processor->releaseResources();
    processor->processBlock (buffer, midi);
    EXPECT_EQ (buffer.getSample (1, 20), input.getSample (1, 20));
}

TEST (Processor, ABlockLongerThanPreparedIsProcessedInPreparedLengths)
{
    for (const auto quality : {0.0f, 1.0f})
    {
        auto whole = makeProcessor();
        auto inParts = makeProcessor();

        for (auto* processor : {whole.get(), inParts.get()})
        {
            setParameter (*processor, "quality", quality);
            setParameter (*processor, "clip", 9.0f);
            prepare (*processor, 128);
            setParameter (*processor, "input", 5.0f);
        }

        const auto input = makeSine (2, 1000, 0.9f, 220.0);
        const auto expected = processInBlocks (*inParts, input, 128);
        const auto output = processInBlocks (*whole, input, 1000);

        for (int channel = 0; channel < 2; ++channel)
            EXPECT_EQ (
                std::memcmp (output.getReadPointer (channel), expected.getReadPointer (channel), sizeof (float) * 1000),
                0);

        EXPECT_EQ (whole->inputLevelLeft(), inParts->inputLevelLeft());
    }
}

TEST (Processor, ANaNFromTheHostKeepsTheLastSettingAndTheAudioFinite)
{
    // JUCE's AAX client passes a host's NaN through every range check to the parameters, which keep
    // their values.
    auto processor = makeProcessor();
    prepare (*processor);
    setParameter (*processor, "clip", 6.0f);
    const auto input = makeSine (2, 9600, 0.8f, 440.0);
    const auto reference = processInBlocks (*processor, input);

    for (const auto* id : {"quality", "input", "output", "clip", "clipCurve", "clipBypass"})
        processor->apvts.getParameter (id)->setValueNotifyingHost (std::numeric_limits<float>::quiet_NaN());

    auto output = processInBlocks (*processor, input);

    for (int channel = 0; channel < 2; ++channel)
        for (int i = 0; i < output.getNumSamples(); ++i)
            ASSERT_TRUE (std::isfinite (output.getSample (channel, i))) << channel << ", " << i;

    EXPECT_GT (output.getMagnitude (0, output.getNumSamples()), 0.5f);

    // Preparing again reads the parameters, which still hold the last setting.
    EXPECT_EQ (getParameter (*processor, "clip"), 6.0f);
    prepare (*processor);
    output = processInBlocks (*processor, input);
    EXPECT_NEAR (output.getMagnitude (0, output.getNumSamples()), reference.getMagnitude (0, reference.getNumSamples()),
                 1.0e-3f);
}

TEST (Processor, ASampleRateThatIsNoRateLeavesTheProcessorUnprepared)
{
    auto processor = makeProcessor();
    const auto input = makeConstant (2, 512, 0.5f);

    for (const auto rate :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 0.0, -48000.0, 1.0e12})
    {
        prepare (*processor); // prepared before: a bad rate must also undo that
        setParameter (*processor, "output", -6.0f);
        processor->prepareToPlay (rate, 512);

        const auto output = processInBlocks (*processor, input, 512);
        EXPECT_EQ (output.getSample (0, 0), 0.5f) << rate;
        EXPECT_EQ (output.getSample (1, 511), 0.5f) << rate;
        setParameter (*processor, "output", 0.0f);
    }

    prepare (*processor);
    setParameter (*processor, "output", -20.0f);
    prepare (*processor);
    EXPECT_NEAR (processInBlocks (*processor, input).getSample (0, 0), 0.05f, 1.0e-6f);
}
