// A fuzz target's demands: one that is not met is printed and ends the run with abort(), which
// libFuzzer reports with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzzcheck
{
[[noreturn]] inline void fail (const char* what, long value = 0)
{
    std::fprintf (stderr, "fuzz target: %s (%ld)\n", what, value);
    std::abort();
}

inline void check (bool condition, const char* what)
{
    if (!condition)
        fail (what);
}
}
