#include "BenchmarkCases.h"

#include <cmath>

namespace Bench
{
namespace
{
    constexpr int signalSeconds = 4;

    // A partial of the signal: a sine whose amplitude swells and fades slowly.
    struct Partial
    {
        double frequency, amplitude, swellFrequency, phase;
    };

    // Noise from a fixed seed, band-limited to 40 Hz .. 5 kHz by two second-order filters.
    void addBandLimitedNoise (float* samples, int numSamples, juce::int64 seed, float gain)
    {
        juce::Random random (seed);
        juce::IIRFilter highPass, lowPass;
        highPass.setCoefficients (juce::IIRCoefficients::makeHighPass (sampleRate, 40.0));
        lowPass.setCoefficients (juce::IIRCoefficients::makeLowPass (sampleRate, 5000.0));

        for (int i = 0; i < numSamples; ++i)
        {
            const auto white = random.nextFloat() * 2.0f - 1.0f;
            samples[i] += gain * lowPass.processSingleSampleRaw (highPass.processSingleSampleRaw (white));
        }
    }

    void addPartial (float* samples, int numSamples, const Partial& partial)
    {
        using juce::MathConstants;

        for (int i = 0; i < numSamples; ++i)
        {
            const auto t = i / sampleRate;
            const auto swell = 0.55 + 0.45 * std::sin (MathConstants<double>::twoPi * partial.swellFrequency * t);
            samples[i] += (float)(partial.amplitude * swell *
                                  std::sin (MathConstants<double>::twoPi * partial.frequency * t + partial.phase));
        }
    }

    // The signal chain on the audio thread, with default parameters but for the oversampling and a
    // drive of 6 dB, which takes the signal's peaks through the knee.
    class ProcessBlockCase final : public Case
    {
    public:
        ProcessBlockCase (std::string caseName, bool twoTimes)
            : Case (std::move (caseName))
        {
            setParameter ("quality", twoTimes ? 1.0f : 0.0f);
            setParameter ("clip", 6.0f);
            processor.setRateAndBufferSizeDetails (sampleRate, blockSize);
            processor.prepareToPlay (sampleRate, blockSize);
        }

        void process (juce::AudioBuffer<float>& block) noexcept override { processor.processBlock (block, midi); }

    private:
        void setParameter (const juce::String& id, float value)
        {
            auto& parameter = *processor.apvts.getParameter (id);
            parameter.setValueNotifyingHost (parameter.convertTo0to1 (value));
        }

        VantrelAudioProcessor processor;
        juce::MidiBuffer midi;
    };

    // The 2x oversampler the chain uses, going up and straight back down.
    class OversamplerRoundTripCase final : public Case
    {
    public:
        explicit OversamplerRoundTripCase (std::string caseName)
            : Case (std::move (caseName))
        {
            oversampler.initProcessing (blockSize);
        }

        void process (juce::AudioBuffer<float>& block) noexcept override
        {
            const juce::ScopedNoDenormals noDenormals;
            juce::dsp::AudioBlock<float> hostBlock (block);
            oversampler.processSamplesUp (hostBlock);
            oversampler.processSamplesDown (hostBlock);
        }

    private:
        juce::dsp::Oversampling<float> oversampler{
            numChannels, 1, juce::dsp::Oversampling<float>::filterHalfBandFIREquiripple, true, true};
    };

    class GainPassCase final : public Case
    {
    public:
        using Case::Case;

        void process (juce::AudioBuffer<float>& block) noexcept override { block.applyGain (0.5f); }
    };
}

MusicLikeSignal::MusicLikeSignal()
    : signal (numChannels, signalSeconds * (int)sampleRate)
{
    // Each channel has a chord of its own phases and swells, over noise of its own.
    const Partial chord[]{{110.0, 0.33, 0.31, 0.0},
                          {164.8, 0.18, 0.53, 1.0},
                          {220.0, 0.15, 0.71, 2.0},
                          {329.6, 0.09, 1.13, 0.5},
                          {880.0, 0.06, 1.7, 1.5}};

    signal.clear();

    for (int channel = 0; channel < numChannels; ++channel)
    {
        auto* samples = signal.getWritePointer (channel);
        addBandLimitedNoise (samples, signal.getNumSamples(), 0x5eed + channel, 0.3f);

        for (auto partial : chord)
        {
            partial.phase += 0.7 * channel;
            partial.swellFrequency *= 1.0 + 0.1 * channel;
            addPartial (samples, signal.getNumSamples(), partial);
        }
    }
}

const float* MusicLikeSignal::getBlock (int channel, int blockIndex) const noexcept
{
    return signal.getReadPointer (channel, blockIndex * blockSize);
}

juce::AudioBuffer<float>& FreshInput::nextBlock() noexcept
{
    for (int channel = 0; channel < numChannels; ++channel)
        work.copyFrom (channel, 0, signal.getBlock (channel, next), blockSize);

    next = (next + 1) % signal.getNumBlocks();
    return work;
}

std::vector<std::unique_ptr<Case>> makeCases()
{
    std::vector<std::unique_ptr<Case>> cases;
    cases.push_back (std::make_unique<ProcessBlockCase> ("processBlock 1x", false));
    cases.push_back (std::make_unique<ProcessBlockCase> ("processBlock 2x", true));
    cases.push_back (std::make_unique<OversamplerRoundTripCase> ("oversampler round trip"));
    cases.push_back (std::make_unique<GainPassCase> ("gain pass"));
    return cases;
}
}
