#pragma once

#include <algorithm>
#include <cmath>

namespace EngineTest
{
// The clipping curve for one driven sample, written out as its steps read: the magnitude below the
// knee, 1 above it, the parabola in between, times the sign of the sample (0 for a zero or a NaN).
// The engine's kernels are checked bit for bit against it.
inline float curveAsWritten (float x, float knee)
{
    const auto a = std::abs (x);
    float y;

    if (a <= 1.0f - knee)
        y = a;
    else if (a >= 1.0f + knee)
        y = 1.0f;
    else
    {
        const auto t = (a - knee) + (-1.0f);
        y = 1.0f - t * t / (knee * 4.0f);
    }

    const auto sign = x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f);
    return y * sign;
}
}
