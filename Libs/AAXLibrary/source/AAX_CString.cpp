#include "AAX_CString.h"

#include <iomanip>
#include <sstream>

AAX_CString::AAX_CString (const char* str)
    : mString (str != nullptr ? str : "")
{
}

AAX_CString::AAX_CString (const std::string& str)
    : mString (str)
{
}

AAX_CString::AAX_CString (const AAX_CString& other)
    : AAX_IString()
    , mString (other.mString)
{
}

AAX_CString::AAX_CString (const AAX_IString& other)
    : AAX_CString (other.Get())
{
}

AAX_CString::AAX_CString (AAX_CString&& other) noexcept
    : mString (std::move (other.mString))
{
}

uint32_t AAX_CString::Length() const
{
    return static_cast<uint32_t> (mString.length());
}

uint32_t AAX_CString::MaxLength() const
{
    return kMaxStringLength;
}

const char* AAX_CString::Get() const
{
    return mString.c_str();
}

void AAX_CString::Set (const char* iString)
{
    // A null text from a host is taken as the empty text rather than read.
    mString = iString != nullptr ? iString : "";
}

AAX_IString& AAX_CString::operator= (const AAX_IString& iOther)
{
    // Read through the interface: the source may be the host's own implementation.
    if (&iOther != this)
        Set (iOther.Get());

    return *this;
}

AAX_IString& AAX_CString::operator= (const char* iString)
{
    Set (iString);
    return *this;
}

AAX_CString& AAX_CString::operator= (const AAX_CString& other)
{
    mString = other.mString;
    return *this;
}

AAX_CString& AAX_CString::operator= (AAX_CString&& other) noexcept
{
    mString = std::move (other.mString);
    return *this;
}

void AAX_CString::AppendNumber (double number, int32_t precision)
{
    std::ostringstream stream;
    stream.imbue (std::locale::classic());
    stream << std::fixed << std::setprecision (precision) << number;
    mString += stream.str();
}

void AAX_CString::Append (const char* str)
{
    if (str != nullptr)
        mString += str;
}

void AAX_CString::Append (const AAX_CString& str)
{
    mString += str.mString;
}

void AAX_CString::Clear()
{
    mString.clear();
}

bool AAX_CString::Empty() const
{
    return mString.empty();
}

bool AAX_CString::Equals (const char* other) const
{
    return mString == (other != nullptr ? other : "");
}
