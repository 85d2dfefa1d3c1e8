#include "PluginProcessor.h"
#include "ParameterHelper.h"
#include "PluginEditor.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace
{
constexpr auto controlRampSeconds = 0.2;
constexpr auto levelRampSeconds = 0.05;
constexpr auto meterFloorDecibels = -100.0f;

float decibelsToGain (float decibels) noexcept
{
    return juce::Decibels::decibelsToGain (decibels, meterFloorDecibels);
}

// The half-width of the curve's knee for a normalised curve setting: never quite 0, so that the
// hardest setting still has a (tiny) knee to divide by.
float kneeForCurve (float normalisedCurve) noexcept
{
    return std::max (1.0f - normalisedCurve, 0.001f);
}

// Strict UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above U+10FFFF, no sequence cut
// short. JUCE's own check lets overlong forms through, and its XML reader then keeps partial
// sequences in names, so a state restored from such a text would be saved as one that cannot be
// read again.
bool isWellFormedUtf8 (const unsigned char* text, size_t size) noexcept
{
    for (size_t i = 0; i < size;)
    {
        const auto lead = text[i];

        // The framework reads a text only up to its first 0 byte.
        if (lead == 0)
            return true;

        if (lead < 0x80)
        {
            ++i;
            continue;
        }

        size_t length = 0;
        unsigned char low = 0x80, high = 0xbf; // the allowed range of the second byte

        if (lead >= 0xc2 && lead <= 0xdf)
            length = 2;
        else if (lead >= 0xe0 && lead <= 0xef)
        {
            length = 3;
            low = lead == 0xe0 ? 0xa0 : 0x80;
            high = lead == 0xed ? 0x9f : 0xbf;
        }
        else if (lead >= 0xf0 && lead <= 0xf4)
        {
            length = 4;
            low = lead == 0xf0 ? 0x90 : 0x80;
            high = lead == 0xf4 ? 0x8f : 0xbf;
        }
        else
            return false;

        if (size - i < length || text[i + 1] < low || text[i + 1] > high)
            return false;

        for (size_t k = 2; k < length; ++k)
            if ((text[i + k] & 0xc0) != 0x80)
                return false;

        i += length;
    }

    return true;
}

// JUCE's XML reader calls itself once per level of nesting, so a deep enough text overflows the
// stack, and it never returns from an element whose content holds a processing instruction
// followed by text ("<a><?p?>t</a>"). Its reading of a malformed text is hard to follow (it goes on
// after errors, and reads quotes, comments and declarations by rules of its own), so the checks below
// do not try to follow it; they only bound what any reading could do:
//  - every level of nesting starts at a '<' of its own, so a text with few of them cannot nest
//    deeply; the plug-in's own states hold nine;
//  - before the root element the reader skips white space, comments and instructions exactly as
//    below; from the first other '<' on, any "<?" at all means the text is none of the plug-in's
//    states;
//  - a hexadecimal character reference cut off by the end of the text ("&#x4") makes the reader
//    step past the end, so such a text is refused too;
//  - the reader parses the name of an unknown entity that starts with '<' ("&<a>&#x4;") as a text
//    of its own, whose end is where the name ends, and a document type declaration can define
//    entities as any text: neither is in any of the plug-in's states, so "&<" and any "<!" but a
//    comment or a CDATA section are refused.
// The reader sees the text only up to its first 0 byte.
bool endsInsideHexadecimalReference (std::string_view text) noexcept
{
    // Hexadecimal digits hold no '&', so such a reference starts at the last one.
    const auto lastAmpersand = text.rfind ('&');

    if (lastAmpersand == std::string_view::npos)
        return false;

    const auto reference = text.substr (lastAmpersand);
    return (reference.substr (0, 3) == "&#x" || reference.substr (0, 3) == "&#X") &&
           reference.find_first_not_of ("0123456789abcdefABCDEF", 3) == std::string_view::npos;
}

bool holdsDeclarationOtherThanCommentOrCData (std::string_view text) noexcept
{
    for (auto position = text.find ("<!"); position != std::string_view::npos;
         position = text.find ("<!", position + 2))
        if (text.compare (position, 4, "<!--") != 0 && text.compare (position, 9, "<![CDATA[") != 0)
            return true;

    return false;
}

bool holdsInstructionFromTheRootOn (std::string_view text) noexcept
{
    const auto skipPast = [&text] (size_t from, std::string_view terminator)
    {
        const auto end = text.find (terminator, from);
        return end == std::string_view::npos ? text.size() : end + terminator.size();
    };

    for (auto position = text.find ('<'); position != std::string_view::npos; position = text.find ('<', position))
    {
        const auto markup = text.substr (position);

        // The reader looks for an instruction's end after its "<?", and a comment's after "<!--".
        if (markup.substr (0, 2) == "<?")
            position = skipPast (position + 2, "?>");
        else if (markup.substr (0, 4) == "<!--")
            position = skipPast (position + 4, "-->");
        else
            return text.find ("<?", position) != std::string_view::npos;
    }

    return false;
}

bool isReadableStateText (std::string_view text) noexcept
{
    constexpr std::ptrdiff_t maximumMarkup = 64;

    text = text.substr (0, text.find ('\0'));

    return std::count (text.begin(), text.end(), '<') <= maximumMarkup && text.find ("&<") == std::string_view::npos &&
           !holdsDeclarationOtherThanCommentOrCData (text) && !endsInsideHexadecimalReference (text) &&
           !holdsInstructionFromTheRootOn (text);
}

// The properties of a restored tree that the framework reads.
const juce::Identifier stateIdProperty{"id"}, stateValueProperty{"value"}, stateParameterType{"PARAM"};

// A value of "nan" reads as a number that no range can limit; like any other non-numeric value it
// counts as 0. A value whose exponent JUCE cannot read is given as its number.
void makeValuesReadable (juce::ValueTree& newState)
{
    for (auto child : newState)
    {
        if (const auto* value = child.getPropertyPointer (stateValueProperty))
        {
            const auto text = value->toString();
            const auto readable = Utility::withReadableExponent (text);
            const auto number = readable.getDoubleValue();

            if (std::isnan (number))
                child.setProperty (stateValueProperty, 0.0, nullptr);
            else if (readable != text)
                child.setProperty (stateValueProperty, number, nullptr);
        }
    }
}

// A parameter that the restored tree does not name keeps its current value. The framework would
// give it a child of its own holding only the identifier, and so take it to its default, and a
// later save would write it without a value. Instead it gets a child with its current value, at the
// end of the tree, in ascending order of identifier.
void keepParametersTheStateDoesNotName (juce::ValueTree& newState, juce::AudioProcessorValueTreeState& apvts)
{
    juce::StringArray unnamed;

    for (const auto* parameter : apvts.processor.getParameters())
        if (const auto* ranged = dynamic_cast<const juce::RangedAudioParameter*> (parameter))
            if (!newState.getChildWithProperty (stateIdProperty, ranged->paramID).isValid())
                unnamed.add (ranged->paramID);

    unnamed.sort (false);

    for (const auto& id : unnamed)
    {
        juce::ValueTree child{stateParameterType};
        child.setProperty (stateIdProperty, id, nullptr);
        child.setProperty (stateValueProperty, (double)apvts.getRawParameterValue (id)->load(), nullptr);
        newState.appendChild (child, nullptr);
    }
}

// One driven sample through the soft-knee curve. Samples up to 1 - knee pass, samples from
// 1 + knee on become 1, and in between a parabola joins the two with matching slopes. The
// overshoot above +1 (0 or less) is recorded for the clip meter.
inline float clipSample (float x, float knee, float& overshoot) noexcept
{
    overshoot = std::min (0.0f, 1.0f - x);

    const auto a = std::abs (x);
    const auto distance = (a - knee) + (-1.0f);
    const auto bent = 1.0f - distance * distance / (knee * 4.0f);
    const auto y = a <= 1.0f - knee ? a : (a >= 1.0f + knee ? 1.0f : bent);
    const auto sign = x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f);

    return y * sign;
}

// The steady-state forms below compute bit for bit what the per-sample code computes (the same
// single-precision operations in the same order, selections made with masks instead of
// branches), four samples at a time where SSE is available.
#if JUCE_USE_SSE_INTRINSICS
struct ClipConstants
{
    ClipConstants (float driveGain, float kneeWidth) noexcept
        : gain (_mm_set1_ps (driveGain))
        , knee (_mm_set1_ps (kneeWidth))
        , kneeTimesFour (_mm_set1_ps (kneeWidth * 4.0f))
        , kneeStart (_mm_set1_ps (1.0f - kneeWidth))
        , kneeEnd (_mm_set1_ps (1.0f + kneeWidth))
    {
    }

    const __m128 gain, knee, kneeTimesFour, kneeStart, kneeEnd;
    const __m128 zero = _mm_setzero_ps();
    const __m128 one = _mm_set1_ps (1.0f);
    const __m128 minusOne = _mm_set1_ps (-1.0f);
    const __m128 signBit = _mm_set1_ps (-0.0f);
};

inline __m128 select (__m128 mask, __m128 ifTrue, __m128 ifFalse) noexcept
{
    return _mm_or_ps (_mm_and_ps (mask, ifTrue), _mm_andnot_ps (mask, ifFalse));
}

inline __m128 clipFourSamples (__m128 samples, const ClipConstants& c, float* overshoots) noexcept
{
    const auto x = _mm_mul_ps (samples, c.gain);

    // min (0, 1 - x): the second operand wins unless the first is smaller, as in std::min.
    _mm_storeu_ps (overshoots, _mm_min_ps (_mm_sub_ps (c.one, x), c.zero));

    const auto a = _mm_andnot_ps (c.signBit, x);
    const auto belowKnee = _mm_cmple_ps (a, c.kneeStart);
    const auto aboveKnee = _mm_cmpge_ps (a, c.kneeEnd);
    auto y = select (belowKnee, a, c.one);

    // The division is the expensive part; it is needed only when a sample lies in the knee (or is
    // NaN, which lies nowhere).
    if (_mm_movemask_ps (_mm_or_ps (belowKnee, aboveKnee)) != 0xf)
    {
        const auto distance = _mm_add_ps (_mm_sub_ps (a, c.knee), c.minusOne);
        const auto bent = _mm_sub_ps (c.one, _mm_div_ps (_mm_mul_ps (distance, distance), c.kneeTimesFour));
        y = select (belowKnee, a, select (aboveKnee, c.one, bent));
    }

    const auto sign =
        _mm_or_ps (_mm_and_ps (_mm_cmpgt_ps (x, c.zero), c.one), _mm_and_ps (_mm_cmplt_ps (x, c.zero), c.minusOne));

    return _mm_mul_ps (y, sign);
}
#endif

// The clipping stage for one channel with a fixed drive and knee.
void clipChannel (float* samples, float* overshoots, size_t numSamples, float gain, float knee) noexcept
{
    size_t i = 0;

#if JUCE_USE_SSE_INTRINSICS
    const ClipConstants constants (gain, knee);

    for (; i + 4 <= numSamples; i += 4)
        _mm_storeu_ps (samples + i, clipFourSamples (_mm_loadu_ps (samples + i), constants, overshoots + i));
#endif

    for (; i < numSamples; ++i)
        samples[i] = clipSample (samples[i] * gain, knee, overshoots[i]);
}

// Limits every sample to -1..+1: first the smaller of the sample and +1, then the larger of that
// and -1, with std::min's and std::max's choice of operand.
void limitToUnity (float* samples, int numSamples) noexcept
{
    int i = 0;

#if JUCE_USE_SSE_INTRINSICS
    const auto one = _mm_set1_ps (1.0f);
    const auto minusOne = _mm_set1_ps (-1.0f);

    for (; i + 4 <= numSamples; i += 4)
        _mm_storeu_ps (samples + i, _mm_max_ps (minusOne, _mm_min_ps (one, _mm_loadu_ps (samples + i))));
#endif

    for (; i < numSamples; ++i)
        samples[i] = std::max (std::min (samples[i], 1.0f), -1.0f);
}

// The root-mean-square level of one channel, 0 where there is nothing to measure. Each square is
// taken in single precision and summed in double precision; sixteen running sums instead of one
// let the additions overlap (the order of the additions only moves the double's last bits).
float rmsLevel (const juce::AudioBuffer<float>& buffer, int channel, int numSamples) noexcept
{
    if (numSamples < 1 || !juce::isPositiveAndBelow (channel, buffer.getNumChannels()) || buffer.hasBeenCleared())
        return 0.0f;

    const auto* samples = buffer.getReadPointer (channel);
    constexpr int numSums = 16;
    double sums[numSums]{};
    int i = 0;

#if JUCE_USE_SSE_INTRINSICS
    // Sum j takes the squares of samples j, j + 16, j + 32, ...: two sums per register.
    __m128d lanes[numSums / 2]{};

    for (; i + numSums <= numSamples; i += numSums)
        for (int quad = 0; quad < numSums / 4; ++quad)
        {
            const auto four = _mm_loadu_ps (samples + i + 4 * quad);
            const auto squares = _mm_mul_ps (four, four);
            lanes[2 * quad] = _mm_add_pd (lanes[2 * quad], _mm_cvtps_pd (squares));
            lanes[2 * quad + 1] = _mm_add_pd (lanes[2 * quad + 1], _mm_cvtps_pd (_mm_movehl_ps (squares, squares)));
        }

    for (int pair = 0; pair < numSums / 2; ++pair)
        _mm_storeu_pd (sums + 2 * pair, lanes[pair]);
#else
    for (; i + numSums <= numSamples; i += numSums)
        for (int lane = 0; lane < numSums; ++lane)
        {
            const auto sample = samples[i + lane];
            sums[lane] += (double)(sample * sample);
        }
#endif

    for (; i < numSamples; ++i)
    {
        const auto sample = samples[i];
        sums[0] += (double)(sample * sample);
    }

    auto sum = 0.0;

    for (const auto partialSum : sums)
        sum += partialSum;

    return static_cast<float> (std::sqrt (sum / numSamples));
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
    return "TAVRO Vantrel";
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
        for (int channel = 0; channel < buffer.getNumChannels(); ++channel)
            limitToUnity (buffer.getWritePointer (channel), numSamples);

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
        const auto knee = kneeForCurve (clipCurveSmoother.getTargetValue());

        for (size_t channel = 0; channel < numChannels; ++channel)
            clipChannel (block.getChannelPointer (channel), clipBuffer.getWritePointer ((int)channel), numSamples, gain,
                         knee);

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
        const auto knee = kneeForCurve (clipCurveSmoother.getNextValue());

        for (size_t channel = 0; channel < numRampedChannels; ++channel)
        {
            auto& sample = block.getChannelPointer (channel)[i];
            sample = clipSample (sample * gain, knee, overshoots[channel][i]);
        }
    }
}

void VantrelAudioProcessor::updateClipLevel (int numOversampledSamples) noexcept
{
    const auto level = rmsLevel (clipBuffer, 0, numOversampledSamples);
    clipLevelSmoother.skip (numOversampledSamples);
    followLevel (clipLevelSmoother, level);
}

void VantrelAudioProcessor::processLevelDecay (LinearSmoother& level, const juce::AudioBuffer<float>& buffer,
                                               int channel)
{
    const auto numSamples = buffer.getNumSamples();
    level.skip (numSamples);

    auto decibels = meterFloorDecibels;

    if (const auto rms = rmsLevel (buffer, channel, numSamples); rms > 0.0f)
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

    // The framework's string and XML code step through UTF-8 by lead bytes and read past the end
    // of a text whose sequences are malformed or cut short; such a text is no document, and the
    // state stays as it was.
    if (!isWellFormedUtf8 (reinterpret_cast<const unsigned char*> (bytes + headerSize), (size_t)textLength))
        return;

    if (!isReadableStateText ({bytes + headerSize, (size_t)textLength}))
        return;

    const auto xml = juce::parseXML (juce::String::fromUTF8 (bytes + headerSize, textLength));

    if (xml == nullptr)
        return;

    auto newState = juce::ValueTree::fromXml (*xml);

    makeValuesReadable (newState);
    keepParametersTheStateDoesNotName (newState, apvts);
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
    return new VantrelAudioProcessorEditor (*this);
}

//==============================================================================
// The framework's plug-in client creates every instance through this.
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VantrelAudioProcessor();
}
