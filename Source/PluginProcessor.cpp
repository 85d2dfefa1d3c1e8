#include "PluginProcessor.h"
#include "ParameterHelper.h"
#include "PluginEditor.h"
#include "dsp/ClipKernels.h"
#include "state/RestoredState.h"
#include "state/StateTextGuard.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr auto controlRampSeconds = 0.2;
constexpr auto levelRampSeconds = 0.05;
constexpr auto meterFloorDecibels = -100.0f;

float decibelsToGain (float decibels) noexcept
{
    return juce::Decibels::decibelsToGain (decibels, meterFloorDecibels);
}

// Levels rise at once and fall along their ramp.
void followLevel (VantrelAudioProcessor::LinearSmoother& level, float newLevel) noexcept
{
    if (level.getCurrentValue() > newLevel)
        level.setTargetValue (newLevel);
    else
        level.setCurrentAndTargetValue (newLevel);
}
}

//==============================================================================
VantrelAudioProcessor::VantrelAudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
    , apvts (*this, nullptr, "VantrelParameters", createParameterLayout())
{
    for (const auto* id :
         {&Parameters::Clip::gain.id, &Parameters::Clip::curve.id, &Parameters::Clip::bypass.id,
          &Parameters::Main::inputGain.id, &Parameters::Main::outputGain.id, &Parameters::Main::oversampling.id})
        apvts.addParameterListener (*id, this);

    // The state listens to every parameter now; a refused infinity must be put back before it hears of it.
    Utility::ParameterHelper::refuseInfinitiesBeforeOtherListeners (*this);
}

VantrelAudioProcessor::~VantrelAudioProcessor()
{
    for (const auto* id :
         {&Parameters::Clip::gain.id, &Parameters::Clip::curve.id, &Parameters::Clip::bypass.id,
          &Parameters::Main::inputGain.id, &Parameters::Main::outputGain.id, &Parameters::Main::oversampling.id})
        apvts.removeParameterListener (*id, this);
}

juce::AudioProcessorValueTreeState::ParameterLayout VantrelAudioProcessor::createParameterLayout()
{
    using Utility::ParameterHelper;

    juce::AudioProcessorValueTreeState::ParameterLayout layout;
    layout.add (ParameterHelper::descriptorToParameter (Parameters::Main::oversampling));
    layout.add (ParameterHelper::descriptorToParameter (Parameters::Main::inputGain));
    layout.add (ParameterHelper::descriptorToParameter (Parameters::Main::outputGain));
    layout.add (ParameterHelper::descriptorToParameter (Parameters::Clip::gain));
    layout.add (ParameterHelper::descriptorToParameter (Parameters::Clip::curve));
    layout.add (ParameterHelper::descriptorToParameter (Parameters::Clip::bypass));
    return layout;
}

//==============================================================================
const juce::String VantrelAudioProcessor::getName() const
{
    return JucePlugin_Name;
}

float VantrelAudioProcessor::curveToNormalised (float curveValue) const
{
    return apvts.getParameterRange (Parameters::Clip::curve.id).convertTo0to1 (curveValue);
}

void VantrelAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    // A rate that is not a positive number within reason (a host's NaN, infinity or garbage) cannot
    // size the ramps or the filters: the processor stays unprepared and leaves the audio alone.
    constexpr auto maximumSampleRate = 1.0e7; // far above any audio rate; every ramp length fits an int

    if (!(sampleRate > 0.0 && sampleRate <= maximumSampleRate) || samplesPerBlock < 1)
    {
        releaseResources();
        preparedBlockSize = 0;
        return;
    }

    for (auto* smoother :
         {&inputGainSmoother, &outputGainSmoother, &clipGainSmoother, &clipCurveSmoother, &clipMixSmoother})
        smoother->reset (sampleRate, controlRampSeconds);

    for (auto* level : {&clipLevelSmoother, &inputLevelLeftSmoother, &inputLevelRightSmoother, &outputLevelLeftSmoother,
                        &outputLevelRightSmoother})
        level->reset (sampleRate, levelRampSeconds);

    // A NaN left in a parameter by a host counts as the parameter's default.
    const auto rawValue = [this] (const auto& descriptor)
    {
        const auto value = apvts.getRawParameterValue (descriptor.id)->load();
        return std::isnan (value) ? (float)descriptor.defaultValue : value;
    };

    // The targets are refreshed first and the smoothers jump to them, so that the next block
    // finds nothing new to ramp to.
    controlTargets.inputGain = decibelsToGain (rawValue (Parameters::Main::inputGain));
    controlTargets.outputGain = decibelsToGain (rawValue (Parameters::Main::outputGain));
    controlTargets.clipGain = decibelsToGain (rawValue (Parameters::Clip::gain));
    controlTargets.clipCurve = curveToNormalised (rawValue (Parameters::Clip::curve));
    controlTargets.clipMix = 1.0f - rawValue (Parameters::Clip::bypass);

    inputGainSmoother.setCurrentAndTargetValue (controlTargets.inputGain);
    outputGainSmoother.setCurrentAndTargetValue (controlTargets.outputGain);
    clipGainSmoother.setCurrentAndTargetValue (controlTargets.clipGain);
    clipCurveSmoother.setCurrentAndTargetValue (controlTargets.clipCurve);
    clipMixSmoother.setCurrentAndTargetValue (controlTargets.clipMix);

    clipBypassed = rawValue (Parameters::Clip::bypass) != 0.0f;

    const auto numChannels = getTotalNumInputChannels();
    preparedBlockSize = samplesPerBlock;
    clipBuffer.setSize (numChannels, 2 * samplesPerBlock);

    mixer.prepare ({sampleRate, (juce::uint32) (2 * samplesPerBlock), (juce::uint32)numChannels});
    mixer.setWetMixProportion (1.0f);

    oversamplingIndex = (int)rawValue (Parameters::Main::oversampling);

    using Oversampling = juce::dsp::Oversampling<float>;
    oversamplers.clear();

    for (const auto factorExponent : {0, 1})
        oversamplers.push_back (std::make_unique<Oversampling> ((size_t)numChannels, (size_t)factorExponent,
                                                                Oversampling::filterHalfBandFIREquiripple, true, true));

    for (auto& oversampler : oversamplers)
        oversampler->initProcessing ((size_t)samplesPerBlock);

    // Resetting the ramps may have moved the levels to the end of their fall.
    publishLevels();
}

void VantrelAudioProcessor::releaseResources()
{
    mixer.reset();

    while (!oversamplers.empty())
        oversamplers.pop_back();
}

//==============================================================================
void VantrelAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    const juce::ScopedNoDenormals noDenormals;

    // The framework prepares before the first block and again for any longer block; should a host
    // get that wrong, the block is left as it is or processed in prepared lengths, never overrun.
    if (oversamplers.empty() || preparedBlockSize <= 0)
        return;

    const auto numSamples = buffer.getNumSamples();

    if (numSamples <= preparedBlockSize)
    {
        processPreparedBlock (buffer);
        return;
    }

    for (int start = 0; start < numSamples; start += preparedBlockSize)
    {
        juce::AudioBuffer<float> part (buffer.getArrayOfWritePointers(), buffer.getNumChannels(), start,
                                       std::min (preparedBlockSize, numSamples - start));
        processPreparedBlock (part);
    }
}

void VantrelAudioProcessor::processPreparedBlock (juce::AudioBuffer<float>& buffer) noexcept
{
    const auto numSamples = buffer.getNumSamples();
    const auto inputRightChannel = getTotalNumInputChannels() == 1 ? 0 : 1;
    const auto outputRightChannel = getTotalNumOutputChannels() == 1 ? 0 : 1;

    takeControlTargets();

    inputGainSmoother.applyGain (buffer, numSamples);

    processLevelDecay (inputLevelLeftSmoother, buffer, 0);
    processLevelDecay (inputLevelRightSmoother, buffer, inputRightChannel);

    mixer.setWetMixProportion (juce::jlimit (0.0f, 1.0f, clipMixSmoother.skip (numSamples)));

    if (numSamples > 0)
        processOversampledStages (buffer);
    else
        updateClipLevel (0); // nothing to clip: the clip level starts falling like the meters

    // Filter overshoot from the way down is cut off, unless the clipping stage is bypassed.
    if (!clipBypassed.load())
        Utility::limitToUnityThenApplyGain (buffer, outputGainSmoother);
    else
        outputGainSmoother.applyGain (buffer, numSamples);

    processLevelDecay (outputLevelLeftSmoother, buffer, 0);
    processLevelDecay (outputLevelRightSmoother, buffer, outputRightChannel);

    publishLevels();
}

// Up to the oversampled rate, the clipping stage with its crossfade, and back to the host rate.
void VantrelAudioProcessor::processOversampledStages (juce::AudioBuffer<float>& buffer) noexcept
{
    auto& oversampler = *oversamplers[(size_t)juce::jlimit (0, 1, oversamplingIndex.load())];

    // The oversampler and the mixer were made for the prepared channels.
    const auto numChannels = std::min ((size_t)buffer.getNumChannels(), oversampler.numChannels);
    auto hostBlock = juce::dsp::AudioBlock<float> (buffer).getSubsetChannelBlock (0, numChannels);
    const auto upsampled = oversampler.processSamplesUp (hostBlock);

    mixer.pushDrySamples (upsampled);
    runClipStage (upsampled);
    updateClipLevel ((int)upsampled.getNumSamples());
    mixer.mixWetSamples (upsampled);

    oversampler.processSamplesDown (hostBlock);
}

void VantrelAudioProcessor::takeControlTargets() noexcept
{
    // A target equal to the present one leaves a running ramp alone.
    inputGainSmoother.setTargetValue (controlTargets.inputGain.load (std::memory_order_relaxed));
    outputGainSmoother.setTargetValue (controlTargets.outputGain.load (std::memory_order_relaxed));
    clipGainSmoother.setTargetValue (controlTargets.clipGain.load (std::memory_order_relaxed));
    clipCurveSmoother.setTargetValue (controlTargets.clipCurve.load (std::memory_order_relaxed));
    clipMixSmoother.setTargetValue (controlTargets.clipMix.load (std::memory_order_relaxed));
}

void VantrelAudioProcessor::runClipStage (const juce::dsp::AudioBlock<float>& block) noexcept
{
    const auto numSamples = block.getNumSamples();
    const auto numChannels = std::min (block.getNumChannels(), (size_t)clipBuffer.getNumChannels());

    if (!clipGainSmoother.isSmoothing() && !clipCurveSmoother.isSmoothing())
    {
        // Without a ramp both controls stay at their targets for the whole block.
        const auto gain = clipGainSmoother.getTargetValue();
        const auto knee = Utility::kneeForCurve (clipCurveSmoother.getTargetValue());

        for (size_t channel = 0; channel < numChannels; ++channel)
            Utility::clipChannel (block.getChannelPointer (channel), clipBuffer.getWritePointer ((int)channel),
                                  numSamples, gain, knee);

        return;
    }

    // While a ramp runs, drive and knee move once per (oversampled) sample, shared by all channels.
    float* overshoots[2]{};
    const auto numRampedChannels = std::min (numChannels, std::size (overshoots));

    for (size_t channel = 0; channel < numRampedChannels; ++channel)
        overshoots[channel] = clipBuffer.getWritePointer ((int)channel);

    for (size_t i = 0; i < numSamples; ++i)
    {
        const auto gain = clipGainSmoother.getNextValue();
        const auto knee = Utility::kneeForCurve (clipCurveSmoother.getNextValue());

        for (size_t channel = 0; channel < numRampedChannels; ++channel)
        {
            auto& sample = block.getChannelPointer (channel)[i];
            sample = Utility::clipSample (sample * gain, knee, overshoots[channel][i]);
        }
    }
}

void VantrelAudioProcessor::updateClipLevel (int numOversampledSamples) noexcept
{
    const auto level = Utility::rmsLevel (clipBuffer, 0, numOversampledSamples);
    clipLevelSmoother.skip (numOversampledSamples);
    followLevel (clipLevelSmoother, level);
}

void VantrelAudioProcessor::processLevelDecay (LinearSmoother& level, const juce::AudioBuffer<float>& buffer,
                                               int channel)
{
    const auto numSamples = buffer.getNumSamples();
    level.skip (numSamples);

    auto decibels = meterFloorDecibels;

    if (const auto rms = Utility::rmsLevel (buffer, channel, numSamples); rms > 0.0f)
        decibels = juce::Decibels::gainToDecibels (rms, meterFloorDecibels);

    followLevel (level, decibels);
}

void VantrelAudioProcessor::publishLevels() noexcept
{
    shownLevels.inputLeft.store (inputLevelLeftSmoother.getCurrentValue(), std::memory_order_relaxed);
    shownLevels.inputRight.store (inputLevelRightSmoother.getCurrentValue(), std::memory_order_relaxed);
    shownLevels.outputLeft.store (outputLevelLeftSmoother.getCurrentValue(), std::memory_order_relaxed);
    shownLevels.outputRight.store (outputLevelRightSmoother.getCurrentValue(), std::memory_order_relaxed);
    shownLevels.clip.store (clipLevelSmoother.getCurrentValue(), std::memory_order_relaxed);
}

//==============================================================================
void VantrelAudioProcessor::parameterChanged (const juce::String& parameterID, float newValue)
{
    // A host can hand the framework a NaN that no range limits; the last good setting stays.
    if (std::isnan (newValue))
        return;

    if (parameterID.equalsIgnoreCase (Parameters::Clip::gain.id))
        controlTargets.clipGain = decibelsToGain (newValue);

    if (parameterID.equalsIgnoreCase (Parameters::Clip::curve.id))
        controlTargets.clipCurve = curveToNormalised (newValue);

    if (parameterID.equalsIgnoreCase (Parameters::Main::inputGain.id))
        controlTargets.inputGain = decibelsToGain (newValue);

    if (parameterID.equalsIgnoreCase (Parameters::Main::outputGain.id))
        controlTargets.outputGain = decibelsToGain (newValue);

    if (parameterID.equalsIgnoreCase (Parameters::Clip::bypass.id))
    {
        controlTargets.clipMix = 1.0f - newValue;
        clipBypassed = newValue != 0.0f;
    }

    // The other oversampler takes over at the start of the next block; it is not reset, and the
    // host is told of no latency.
    if (parameterID.equalsIgnoreCase (Parameters::Main::oversampling.id))
        oversamplingIndex = (int)newValue;
}

bool VantrelAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto& output = layouts.getMainOutputChannelSet();

    if (output != juce::AudioChannelSet::mono() && output != juce::AudioChannelSet::stereo())
        return false;

    return layouts.getMainInputChannelSet() == output;
}

//==============================================================================
void VantrelAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    // copyState holds the state's lock only for the flush and the copy.
    const auto state = apvts.copyState();

    if (const auto xml = state.createXml())
        copyXmlToBinary (*xml, destData);
}

void VantrelAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    // Header: four bytes that are not checked, then the text's length, little-endian. Blocks too
    // short to hold a text carry none.
    constexpr int headerSize = 8;

    if (data == nullptr || sizeInBytes <= headerSize)
        return;

    const auto* bytes = static_cast<const char*> (data);
    const auto declaredLength = (int)juce::ByteOrder::littleEndianInt (bytes + 4);
    const auto textLength = std::min (declaredLength, sizeInBytes - headerSize);

    if (textLength <= 0)
        return;

    // A text that JUCE's reader cannot be trusted with is no state of the plug-in: the state stays
    // as it was.
    if (!Utility::isReadableStateText (bytes + headerSize, (size_t)textLength))
        return;

    const auto xml = juce::parseXML (juce::String::fromUTF8 (bytes + headerSize, textLength));

    if (xml == nullptr)
        return;

    auto newState = juce::ValueTree::fromXml (*xml);

    Utility::prepareRestoredState (newState, apvts);
    apvts.replaceState (newState);
}

//==============================================================================
double VantrelAudioProcessor::getTailLengthSeconds() const
{
    return 0.0;
}

bool VantrelAudioProcessor::acceptsMidi() const
{
    return false;
}

bool VantrelAudioProcessor::producesMidi() const
{
    return false;
}

bool VantrelAudioProcessor::isMidiEffect() const
{
    return false;
}

bool VantrelAudioProcessor::hasEditor() const
{
    return true;
}

int VantrelAudioProcessor::getNumPrograms()
{
    return 1;
}

int VantrelAudioProcessor::getCurrentProgram()
{
    return 0;
}

void VantrelAudioProcessor::setCurrentProgram (int) {}

const juce::String VantrelAudioProcessor::getProgramName (int)
{
    return {};
}

void VantrelAudioProcessor::changeProgramName (int, const juce::String&) {}

//==============================================================================
// The editor; the caller owns it.
juce::AudioProcessorEditor* VantrelAudioProcessor::createEditor()
{
    auto editor = std::make_unique<VantrelAudioProcessorEditor> (*this);

    // Its attachments listen to the parameters now: a refused infinity is put back before they hear of
    // it, so that the editor finds the parameter's own value when it checks what its controls show.
    Utility::ParameterHelper::refuseInfinitiesBeforeOtherListeners (*this);
    return editor.release();
}

//==============================================================================
// The framework's plug-in client creates every instance through this.
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VantrelAudioProcessor();
}
