// The string interface through which texts cross the host boundary.
#ifndef AAX_ISTRING_H
#define AAX_ISTRING_H

#include <cstdint>

/** A NUL-terminated byte string behind an interface, so that either side may implement it. */
class AAX_IString
{
public:
    virtual ~AAX_IString() = default;

    /** Number of bytes in the text, without the terminating NUL. */
    virtual uint32_t Length() const = 0;

    /** The largest length the object accepts. */
    virtual uint32_t MaxLength() const = 0;

    /** The NUL-terminated text. */
    virtual const char* Get() const = 0;

    virtual void Set (const char* iString) = 0;
    virtual AAX_IString& operator= (const AAX_IString& iOther) = 0;
    virtual AAX_IString& operator= (const char* iString) = 0;
};

#endif
