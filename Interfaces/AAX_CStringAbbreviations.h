// A name with shortened forms for narrow displays.
#ifndef AAX_CSTRINGABBREVIATIONS_H
#define AAX_CSTRINGABBREVIATIONS_H

#include "AAX_CString.h"

#include <cstdint>
#include <map>

/** A full name and shortened names keyed by their own length. */
class AAX_CStringAbbreviations
{
public:
    explicit AAX_CStringAbbreviations (const AAX_CString& inPrimary);

    void SetPrimary (const AAX_CString& inPrimary);
    const AAX_CString& Primary() const noexcept { return mFullName; }

    /** Stores the name under its length, replacing a shortened name of the same length. */
    void Add (const AAX_CString& inAbbreviation);

    /** The full name when it fits in inNumCharacters (or inNumCharacters is negative, or there are no
        shortened names); else the longest shortened name that fits; else the shortest one.
    */
    const AAX_CString& Get (int32_t inNumCharacters) const;

    void Clear();

private:
    AAX_CString mFullName;
    std::map<int32_t, AAX_CString> mByLength;
};

#endif
