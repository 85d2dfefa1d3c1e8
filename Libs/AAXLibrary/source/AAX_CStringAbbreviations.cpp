#include "AAX_CStringAbbreviations.h"

AAX_CStringAbbreviations::AAX_CStringAbbreviations (const AAX_CString& inPrimary)
    : mFullName (inPrimary)
{
}

void AAX_CStringAbbreviations::SetPrimary (const AAX_CString& inPrimary)
{
    mFullName = inPrimary;
}

void AAX_CStringAbbreviations::Add (const AAX_CString& inAbbreviation)
{
    mByLength[static_cast<int32_t> (inAbbreviation.Length())] = inAbbreviation;
}

const AAX_CString& AAX_CStringAbbreviations::Get (int32_t inNumCharacters) const
{
    if (inNumCharacters < 0 || mByLength.empty() || static_cast<uint32_t> (inNumCharacters) >= mFullName.Length())
        return mFullName;

    // The first entry longer than the limit; the one before it is the longest that fits.
    const auto firstTooLong = mByLength.upper_bound (inNumCharacters);

    if (firstTooLong == mByLength.begin())
        return mByLength.begin()->second;

    return std::prev (firstTooLong)->second;
}

void AAX_CStringAbbreviations::Clear()
{
    mByLength.clear();
}
