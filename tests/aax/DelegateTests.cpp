#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST (LinearTaper, UnitRangeClampsAndMapsStraight)
{
    const AAX_CLinearTaperDelegate<float, 0> taper;

    EXPECT_EQ (taper.GetMinimumValue(), 0.0f);
    EXPECT_EQ (taper.GetMaximumValue(), 1.0f);
    EXPECT_EQ (taper.NormalizedToReal (1.5), 1.0f);
    EXPECT_EQ (taper.NormalizedToReal (-0.2), 0.0f);
    EXPECT_DOUBLE_EQ (taper.RealToNormalized (0.25f), 0.25);
    EXPECT_DOUBLE_EQ (taper.RealToNormalized (3.0f), 1.0);
}

TEST (LinearTaper, FallingTaperWorksBothWays)
{
    const AAX_CLinearTaperDelegate<float, 0> taper (10.0f, 0.0f);

    EXPECT_FLOAT_EQ (taper.NormalizedToReal (0.25), 7.5f);
    EXPECT_DOUBLE_EQ (taper.RealToNormalized (7.5f), 0.25);
    EXPECT_EQ (taper.ConstrainRealValue (12.0f), 10.0f);
    EXPECT_EQ (taper.ConstrainRealValue (-1.0f), 0.0f);
    EXPECT_EQ (taper.GetMinimumValue(), 10.0f); // as stored
}

TEST (LinearTaper, EqualEndsGiveThatEndAndHalfway)
{
    const AAX_CLinearTaperDelegate<float, 0> taper (2.0f, 2.0f);

    EXPECT_EQ (taper.ConstrainRealValue (-5.0f), 2.0f);
    EXPECT_EQ (taper.NormalizedToReal (0.9), 2.0f);
    EXPECT_DOUBLE_EQ (taper.RealToNormalized (100.0f), 0.5);
}

// A normalised value far outside 0..1 gives a real value beyond what a float holds: it is limited to
// the nearer end without an overflowing conversion (which the sanitizer build would report).
TEST (LinearTaper, ValuesBeyondAFloatAreLimitedToTheEnds)
{
    const AAX_CLinearTaperDelegate<float, 0> rising;
    EXPECT_EQ (rising.NormalizedToReal (1.0e300), 1.0f);
    EXPECT_EQ (rising.NormalizedToReal (-1.0e300), 0.0f);

    const AAX_CLinearTaperDelegate<float, 0> falling (10.0f, 0.0f);
    EXPECT_EQ (falling.NormalizedToReal (1.0e300), 0.0f);
    EXPECT_EQ (falling.NormalizedToReal (-1.0e300), 10.0f);
}

TEST (LinearTaper, NotANumberPassesThroughTheClamp)
{
    const AAX_CLinearTaperDelegate<float, 0> taper;
    EXPECT_TRUE (std::isnan (taper.ConstrainRealValue (std::numeric_limits<float>::quiet_NaN())));
}

TEST (LinearTaper, CloneIsAnIndependentCopy)
{
    const AAX_CLinearTaperDelegate<float, 0> taper (-1.0f, 3.0f);
    const std::unique_ptr<AAX_ITaperDelegate<float>> clone (taper.Clone());

    EXPECT_EQ (clone->GetMinimumValue(), -1.0f);
    EXPECT_EQ (clone->GetMaximumValue(), 3.0f);
}

TEST (NumberDisplay, ThreeDecimalsAndFittingIntoALength)
{
    const AAX_CNumberDisplayDelegate<float, 3> display;
    AAX_CString text ("old");

    EXPECT_TRUE (display.ValueToString (0.5f, &text));
    EXPECT_STREQ (text.Get(), "0.500");

    EXPECT_TRUE (display.ValueToString (0.5f, 5, &text));
    EXPECT_STREQ (text.Get(), "0.500");
    EXPECT_TRUE (display.ValueToString (0.5f, 4, &text));
    EXPECT_STREQ (text.Get(), "0.50");
    EXPECT_TRUE (display.ValueToString (0.5f, 2, &text));
    EXPECT_STREQ (text.Get(), "0"); // the dangling point goes
    EXPECT_TRUE (display.ValueToString (0.5f, 0, &text));
    EXPECT_STREQ (text.Get(), "");
    EXPECT_TRUE (display.ValueToString (0.5f, -3, &text));
    EXPECT_STREQ (text.Get(), "");

    EXPECT_TRUE (display.ValueToString (-12.0f, &text));
    EXPECT_STREQ (text.Get(), "-12.000");
}

TEST (NumberDisplay, ReadsANumberFromTheStartOfTheText)
{
    const AAX_CNumberDisplayDelegate<float, 3> display;
    float value = -1.0f;

    EXPECT_TRUE (display.StringToValue (AAX_CString ("2.5 dB"), &value));
    EXPECT_FLOAT_EQ (value, 2.5f);

    EXPECT_TRUE (display.StringToValue (AAX_CString ("  -0.75"), &value));
    EXPECT_FLOAT_EQ (value, -0.75f);

    value = 9.0f;
    EXPECT_FALSE (display.StringToValue (AAX_CString ("dB 2.5"), &value));
    EXPECT_EQ (value, 0.0f);

    value = 9.0f;
    EXPECT_FALSE (display.StringToValue (AAX_CString (""), &value));
    EXPECT_EQ (value, 0.0f);
}
