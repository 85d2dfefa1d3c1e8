#include "EngineTestHelpers.h"
#include "ReferenceCurve.h"
#include "dsp/ClipKernels.h"

#include <cstdint>
#include <cstring>
#include <random>

// The kernels against their per-sample forms, written out here as the chain's steps read, compared
// bit for bit: every length up to a few registers' worth and beyond, every start alignment, edge
// values among noise, and with and without the flushing of denormals that processBlock sets.
namespace
{
using Smoother = VantrelAudioProcessor::LinearSmoother;

constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float quietNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float signallingNaN = std::numeric_limits<float>::signaling_NaN();
constexpr float denormal = 1.0e-39f;

float curveReference (float sample, float gain, float knee, float& overshoot)
{
    const auto x = sample * gain;
    overshoot = std::min (0.0f, 1.0f - x);
    return EngineTest::curveAsWritten (x, knee);
}

// The square of each sample in single precision, summed in double precision into sixteen running
// sums (sample i into sum i % 16, the samples after the last whole sixteen into sum 0), which are
// then added up in order.
float levelReference (const float* samples, int numSamples)
{
    double sums[16]{};
    const auto numInWholeSixteens = numSamples - numSamples % 16;

    for (int i = 0; i < numSamples; ++i)
        sums[i < numInWholeSixteens ? i % 16 : 0] += (double)(samples[i] * samples[i]);

    auto sum = 0.0;

    for (const auto partialSum : sums)
        sum += partialSum;

    return (float)std::sqrt (sum / numSamples);
}

// Values that the kernels must treat exactly as the per-sample forms do: zeros of both signs, +1 and
// -1, samples that the drive takes to each end of the knee or just beside it, infinities, NaNs of
// both signs (one of them signalling), denormals, the largest and smallest normal floats.
std::vector<float> edgeValues (float gain, float knee)
{
    std::vector<float> values{0.0f,
                              -0.0f,
                              1.0f,
                              -1.0f,
                              infinity,
                              -infinity,
                              quietNaN,
                              -quietNaN,
                              signallingNaN,
                              denormal,
                              -denormal,
                              std::numeric_limits<float>::max(),
                              std::numeric_limits<float>::lowest(),
                              std::numeric_limits<float>::min(),
                              -std::numeric_limits<float>::min()};

    for (const auto end : {1.0f - knee, 1.0f + knee})
        for (const auto sample : {end / gain, std::nextafter (end / gain, 0.0f), std::nextafter (end / gain, 2.0f)})
        {
            values.push_back (sample);
            values.push_back (-sample);
        }

    return values;
}

// Noise over +-amplitude with an edge value about every fourth sample.
std::vector<float> makeSamples (std::mt19937& random, size_t numSamples, const std::vector<float>& edges,
                                float amplitude)
{
    std::uniform_real_distribution<float> noise (-amplitude, amplitude);
    std::uniform_int_distribution<size_t> pick (0, 4 * edges.size());
    std::vector<float> samples (numSamples);

    for (auto& sample : samples)
    {
        const auto choice = pick (random);
        sample = choice < edges.size() ? edges[choice] : noise (random);
    }

    return samples;
}

bool bitIdentical (const float* a, const float* b, size_t numSamples)
{
    return numSamples == 0 || std::memcmp (a, b, numSamples * sizeof (float)) == 0;
}

// Lengths around every multiple of the kernels' four-sample registers and sixteen-sample turns,
// and block lengths of both modes.
std::vector<size_t> testLengths()
{
    std::vector<size_t> lengths;

    for (size_t length = 0; length <= 40; ++length)
        lengths.push_back (length);

    for (const size_t length : {63, 64, 65, 301, 511, 512, 513, 1023, 1024})
        lengths.push_back (length);

    return lengths;
}

// Runs check (flushed) once with denormals as they are and once flushed to zero, as processBlock
// runs.
template <typename Check>
void inBothDenormalModes (Check&& check)
{
    {
        SCOPED_TRACE ("denormals kept");
        check (false);
    }
    {
        SCOPED_TRACE ("denormals flushed");
        const juce::ScopedNoDenormals noDenormals;
        check (true);
    }
}

// While denormals are flushed, std::min and std::max hand a denormal on either as it is or as a
// zero of its sign, depending on the instructions the compiler picks, in the per-sample form as
// much as in the kernel. The clamp never meets a denormal in processBlock: its input is the result
// of flushed arithmetic.
// Read from the bits: while denormals are flushed, arithmetic and comparisons take them for zeros.
bool isDenormal (float value)
{
    std::uint32_t bits;
    std::memcpy (&bits, &value, sizeof (bits));
    return (bits & 0x7f800000u) == 0 && (bits & 0x007fffffu) != 0;
}

bool sameLimitedSamples (const std::vector<float>& limited, const std::vector<float>& expected,
                         const std::vector<float>& input, bool flushed)
{
    for (size_t i = 0; i < input.size(); ++i)
    {
        if (flushed && isDenormal (input[i]))
        {
            if (std::signbit (limited[i]) != std::signbit (input[i]) ||
                !(limited[i] == 0.0f || bitIdentical (&limited[i], &input[i], 1)))
                return false;
        }
        else if (!bitIdentical (&limited[i], &expected[i], 1))
        {
            return false;
        }
    }

    return true;
}
}

TEST (ClipKernels, ClipChannelMatchesThePerSampleCurveBitForBit)
{
    std::mt19937 random (20261209);
    int comparisons = 0;

    // Drives of 0, 6 and 15 dB and one below unity; knees of the hardest, default and softest
    // curves, one from the middle of a ramp, and 0.
    for (const auto gain : {1.0f, 1.9952623f, 5.623413f, 0.5f})
        for (const auto knee : {0.001f, 0.2f, 1.0f, 0.3712f, 0.0f})
            inBothDenormalModes (
                [&] (bool)
                {
                    for (const auto length : testLengths())
                        for (size_t start = 0; start < 4; ++start)
                        {
                            const auto input = makeSamples (random, start + length, edgeValues (gain, knee), 2.5f);
                            auto samples = input;
                            std::vector<float> overshoots (input.size(), 42.0f);
                            Utility::clipChannel (samples.data() + start, overshoots.data() + start, length, gain,
                                                  knee);

                            auto expected = input;
                            std::vector<float> expectedOvershoots (input.size(), 42.0f);

                            for (auto i = start; i < input.size(); ++i)
                                expected[i] = curveReference (input[i], gain, knee, expectedOvershoots[i]);

                            ASSERT_TRUE (bitIdentical (samples.data(), expected.data(), input.size()))
                                << "gain " << gain << ", knee " << knee << ", " << length << " samples from " << start;
                            ASSERT_TRUE (bitIdentical (overshoots.data(), expectedOvershoots.data(), input.size()))
                                << "gain " << gain << ", knee " << knee << ", " << length << " samples from " << start;
                            ++comparisons;
                        }
                });

    EXPECT_EQ (comparisons, 4 * 5 * 2 * 50 * 4);
}

TEST (ClipKernels, TheCurveKeepsNaNsAndGivesPositiveZeroForBothZeros)
{
    std::vector<float> samples{quietNaN, -quietNaN, 0.0f, -0.0f, -infinity, infinity, 0.5f, -0.5f};
    std::vector<float> overshoots (samples.size());
    Utility::clipChannel (samples.data(), overshoots.data(), samples.size(), 1.0f, 0.2f);

    EXPECT_TRUE (std::isnan (samples[0]) && std::isnan (samples[1]));
    EXPECT_FALSE (std::signbit (samples[2]) || std::signbit (samples[3]));
    EXPECT_EQ (samples[2], 0.0f);
    EXPECT_EQ (samples[4], -1.0f);
    EXPECT_EQ (samples[5], 1.0f);
    EXPECT_EQ (samples[6], 0.5f);
    EXPECT_EQ (samples[7], -0.5f);

    // A NaN does not overshoot; plus infinity overshoots without end.
    EXPECT_EQ (overshoots[0], 0.0f);
    EXPECT_EQ (overshoots[5], -infinity);
    EXPECT_EQ (overshoots[4], 0.0f);
}

TEST (ClipKernels, LimitAndScaleMatchThePerSampleClampAndGainBitForBit)
{
    std::mt19937 random (7);
    const auto edges = edgeValues (1.0f, 0.001f);

    for (const auto gain : {1.0f, 0.1f, 0.7079458f, 3.1622777f, 10.0f, -1.0f})
        inBothDenormalModes (
            [&] (bool flushed)
            {
                for (const auto length : testLengths())
                    for (size_t start = 0; start < 4; ++start)
                    {
                        const auto input = makeSamples (random, start + length, edges, 3.0f);
                        auto limited = input;
                        auto scaled = input;
                        Utility::limitToUnity (limited.data() + start, (int)length);
                        Utility::limitToUnityAndScale (scaled.data() + start, (int)length, gain);

                        auto expectedLimited = input;
                        auto expectedScaled = input;

                        for (auto i = start; i < input.size(); ++i)
                        {
                            expectedLimited[i] = std::max (std::min (input[i], 1.0f), -1.0f);
                            expectedScaled[i] = expectedLimited[i] * gain;
                        }

                        ASSERT_TRUE (sameLimitedSamples (limited, expectedLimited, input, flushed))
                            << length << " samples from " << start;
                        ASSERT_TRUE (bitIdentical (scaled.data(), expectedScaled.data(), input.size()))
                            << "gain " << gain << ", " << length << " samples from " << start;
                    }
            });
}

TEST (ClipKernels, LimitThenGainAppliesEverySmootherStateAsTheSmootherDoes)
{
    std::mt19937 random (11);
    const auto edges = edgeValues (1.0f, 0.001f);

    // Steady at 1 (no pass), at 0 (a clear, which also turns NaNs into zeros), at another gain (in
    // the clamp's pass), and ramping.
    for (const auto& [start, target] : {std::pair (1.0f, 1.0f), {0.0f, 0.0f}, {2.5f, 2.5f}, {1.0f, 0.25f}})
        for (const auto numChannels : {1, 2})
            for (const auto length : {0, 3, 97, 512})
            {
                SCOPED_TRACE (juce::String (start) + " to " + juce::String (target) + ", " +
                              juce::String (numChannels) + " channels, " + juce::String (length) + " samples");
                Smoother gain (start), expectedGain (start);

                for (auto* smoother : {&gain, &expectedGain})
                {
                    smoother->reset (48000.0, 0.2);
                    smoother->setTargetValue (target);
                }

                juce::AudioBuffer<float> buffer (numChannels, length);

                for (int channel = 0; channel < numChannels; ++channel)
                {
                    const auto samples = makeSamples (random, (size_t)length, edges, 3.0f);
                    buffer.copyFrom (channel, 0, samples.data(), length);
                }

                auto expected = buffer;

                for (int channel = 0; channel < numChannels; ++channel)
                    for (int i = 0; i < length; ++i)
                        expected.setSample (channel, i,
                                            std::max (std::min (expected.getSample (channel, i), 1.0f), -1.0f));

                expectedGain.applyGain (expected, length);
                Utility::limitToUnityThenApplyGain (buffer, gain);

                for (int channel = 0; channel < numChannels; ++channel)
                    EXPECT_TRUE (bitIdentical (buffer.getReadPointer (channel), expected.getReadPointer (channel),
                                               (size_t)length))
                        << "channel " << channel;

                EXPECT_EQ (gain.getCurrentValue(), expectedGain.getCurrentValue());
            }
}

TEST (ClipKernels, LevelSumMatchesItsPerSampleFormBitForBit)
{
    std::mt19937 random (3);
    const auto edges = edgeValues (1.0f, 0.2f);
    const std::vector<float> noEdges;

    inBothDenormalModes (
        [&] (bool)
        {
            for (const auto length : testLengths())
                for (const auto* edgeSet : {&noEdges, &edges})
                    for (int start = 0; start < 4; ++start)
                    {
                        const auto samples = makeSamples (random, (size_t)start + length, *edgeSet, 1.5f);
                        juce::AudioBuffer<float> buffer (1, (int)samples.size());
                        buffer.copyFrom (0, 0, samples.data(), (int)samples.size());
                        const juce::AudioBuffer<float> view (buffer.getArrayOfWritePointers(), 1, start, (int)length);

                        const auto level = Utility::rmsLevel (view, 0, (int)length);
                        const auto expected = length == 0 ? 0.0f : levelReference (samples.data() + start, (int)length);

                        // Which NaN a sum with two NaNs keeps depends on the compiler's choice of
                        // operand order; no level keeps one (the meters count a NaN level as
                        // silence, and overshoots are never NaN).
                        ASSERT_TRUE (bitIdentical (&level, &expected, 1) ||
                                     (std::isnan (level) && std::isnan (expected)))
                            << level << " != " << expected << ", " << length << " samples from " << start;
                    }
        });
}

TEST (ClipKernels, LevelOfEdgeValues)
{
    const auto levelOf = [] (std::vector<float> samples)
    {
        juce::AudioBuffer<float> buffer (1, (int)samples.size());
        buffer.copyFrom (0, 0, samples.data(), (int)samples.size());
        return Utility::rmsLevel (buffer, 0, buffer.getNumSamples());
    };

    std::vector<float> loud (37, 0.5f);
    EXPECT_EQ (levelOf (loud), 0.5f);

    // Each square is taken in single precision, so squares past its range are infinite, and squares
    // of denormals are 0. A NaN or an infinity anywhere, even in the last few samples, decides the
    // level.
    EXPECT_EQ (levelOf (std::vector<float> (40, 1.0e30f)), infinity);
    loud.back() = quietNaN;
    EXPECT_TRUE (std::isnan (levelOf (loud)));
    loud.back() = -infinity;
    EXPECT_EQ (levelOf (loud), infinity);
    EXPECT_EQ (levelOf (std::vector<float> (19, denormal)), 0.0f);
}
