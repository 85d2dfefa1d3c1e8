#include "AAX_CString.h"

#include <gtest/gtest.h>

namespace
{
/** A string implemented by someone else, as a host would. */
class ForeignString : public AAX_IString
{
public:
    uint32_t Length() const override { return static_cast<uint32_t> (text.size()); }
    uint32_t MaxLength() const override { return 100; }
    const char* Get() const override { return text.c_str(); }
    void Set (const char* s) override { text = s; }
    AAX_IString& operator= (const AAX_IString& other) override
    {
        text = other.Get();
        return *this;
    }
    AAX_IString& operator= (const char* s) override
    {
        text = s;
        return *this;
    }

    std::string text;
};
}

TEST (HostString, DefaultIsEmptyAndMaxLengthIsFixed)
{
    const AAX_CString empty;
    EXPECT_EQ (empty.Length(), 0u);
    EXPECT_STREQ (empty.Get(), "");

    AAX_CString text;
    text.Set (std::string (40, 'x').c_str());
    EXPECT_EQ (text.Length(), 40u);
    EXPECT_EQ (text.MaxLength(), 0xFFFFFFFEu);
    EXPECT_EQ (empty.MaxLength(), 0xFFFFFFFEu);
}

TEST (HostString, AssignmentFromAnyImplementationCopiesTheText)
{
    ForeignString source;
    source.text = "from host";

    AAX_CString copy;
    static_cast<AAX_IString&> (copy) = source;
    source.text = "changed";

    EXPECT_STREQ (copy.Get(), "from host");

    ForeignString target;
    target = copy; // through the interface the other way
    EXPECT_EQ (target.text, "from host");
}

TEST (HostString, AppendNumberAppendsFixedDecimals)
{
    AAX_CString text ("ab");
    text.AppendNumber (2.0, 3);
    EXPECT_STREQ (text.Get(), "ab2.000");

    AAX_CString half;
    half.AppendNumber (0.5, 3);
    EXPECT_STREQ (half.Get(), "0.500");

    AAX_CString negative;
    negative.AppendNumber (-12.0, 3);
    EXPECT_STREQ (negative.Get(), "-12.000");

    AAX_CString rounded;
    rounded.AppendNumber (0.12345, 3);
    EXPECT_STREQ (rounded.Get(), "0.123");
}

TEST (HostString, NullTextIsTakenAsEmptyAndComparisonsWork)
{
    AAX_CString text ("abc");
    text.Set (nullptr);
    EXPECT_STREQ (text.Get(), "");

    const AAX_CString name ("Gain");
    EXPECT_TRUE (name == "Gain");
    EXPECT_TRUE (name != "Gai");
    EXPECT_FALSE (name != AAX_CString ("Gain"));
}
