// A taper that maps 0..1 linearly onto a real range.
#ifndef AAX_CLINEARTAPERDELEGATE_H
#define AAX_CLINEARTAPERDELEGATE_H

#include "AAX_ITaperDelegate.h"

#include <algorithm>
#include <cstdint>

/** Maps normalized 0..1 linearly onto minValue..maxValue and clamps real values into that range.
    minValue may be greater than maxValue, which gives a falling taper. Real values are not rounded:
    the only precision offered is 0.
*/
template <typename T, int32_t RealPrecision = 0>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    static_assert (RealPrecision == 0, "real values are not rounded");

    AAX_CLinearTaperDelegate (T minValue = T (0), T maxValue = T (1))
        : mRangeMin (minValue)
        , mRangeMax (maxValue)
    {
    }

    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate (*this); }

    T GetMaximumValue() const override { return mRangeMax; }
    T GetMinimumValue() const override { return mRangeMin; }

    T ConstrainRealValue (T value) const override
    {
        if (mRangeMin == mRangeMax)
            return mRangeMin;

        const auto lo = mRangeMin < mRangeMax ? mRangeMin : mRangeMax;
        const auto hi = mRangeMin < mRangeMax ? mRangeMax : mRangeMin;

        // Comparisons with a value that is not a number are false, so it passes through unchanged.
        if (value > hi)
            return hi;

        if (lo > value)
            return lo;

        return value;
    }

    T NormalizedToReal (double normalizedValue) const override
    {
        const auto real = (double (mRangeMax) - double (mRangeMin)) * normalizedValue + double (mRangeMin);

        // Limited while still a double: a value beyond what T holds has no conversion. (A value that
        // is not a number passes through, as it does in ConstrainRealValue.)
        const auto lo = std::min (double (mRangeMin), double (mRangeMax));
        const auto hi = std::max (double (mRangeMin), double (mRangeMax));
        return this->ConstrainRealValue (static_cast<T> (std::clamp (real, lo, hi)));
    }

    double RealToNormalized (T realValue) const override
    {
        const auto constrained = this->ConstrainRealValue (realValue);

        if (mRangeMin == mRangeMax)
            return 0.5;

        return (double (constrained) - double (mRangeMin)) / (double (mRangeMax) - double (mRangeMin));
    }

private:
    T mRangeMin;
    T mRangeMax;
};

#endif
