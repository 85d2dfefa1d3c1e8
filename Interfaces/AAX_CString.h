// The library's own string.
#ifndef AAX_CSTRING_H
#define AAX_CSTRING_H

#include "AAX_IString.h"

#include <cstdint>
#include <string>

/** An owning byte string that implements AAX_IString. Texts are taken and given as they are. */
class AAX_CString : public AAX_IString
{
public:
    static constexpr uint32_t kMaxStringLength = 0xFFFFFFFEu;

    AAX_CString() = default;
    AAX_CString (const char* str);
    explicit AAX_CString (const std::string& str);
    AAX_CString (const AAX_CString& other);
    AAX_CString (const AAX_IString& other);
    AAX_CString (AAX_CString&& other) noexcept;
    ~AAX_CString() override = default;

    // AAX_IString
    uint32_t Length() const override;
    uint32_t MaxLength() const override;
    const char* Get() const override;
    void Set (const char* iString) override;
    AAX_IString& operator= (const AAX_IString& iOther) override;
    AAX_IString& operator= (const char* iString) override;

    AAX_CString& operator= (const AAX_CString& other);
    AAX_CString& operator= (AAX_CString&& other) noexcept;

    /** Appends the number in fixed-point notation with exactly `precision` digits after the point. */
    void AppendNumber (double number, int32_t precision);

    void Append (const char* str);
    void Append (const AAX_CString& str);
    void Clear();
    bool Empty() const;

    const std::string& StdString() const { return mString; }
    const char* CString() const { return mString.c_str(); }

    bool Equals (const char* other) const;
    bool Equals (const AAX_CString& other) const { return mString == other.mString; }

    friend bool operator== (const AAX_CString& a, const AAX_CString& b) { return a.Equals (b); }
    friend bool operator!= (const AAX_CString& a, const AAX_CString& b) { return !a.Equals (b); }
    friend bool operator== (const AAX_CString& a, const char* b) { return a.Equals (b); }
    friend bool operator!= (const AAX_CString& a, const char* b) { return !a.Equals (b); }
    friend bool operator<(const AAX_CString& a, const AAX_CString& b) { return a.mString < b.mString; }

private:
    std::string mString;
};

#endif
