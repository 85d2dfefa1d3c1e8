// Conversion between a parameter's real value and its text.
#ifndef AAX_IDISPLAYDELEGATE_H
#define AAX_IDISPLAYDELEGATE_H

#include "AAX_CString.h"

#include <cstdint>

/** Type-independent base, so that a parameter can be handed any display. */
class AAX_IDisplayDelegateBase
{
public:
    virtual ~AAX_IDisplayDelegateBase() = default;
};

template <typename T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
    /** A copy owned by the caller. */
    virtual AAX_IDisplayDelegate* Clone() const = 0;

    virtual bool ValueToString (T value, AAX_CString* valueString) const = 0;

    /** The text, fitted into at most maxNumChars characters. */
    virtual bool ValueToString (T value, int32_t maxNumChars, AAX_CString* valueString) const = 0;

    virtual bool StringToValue (const AAX_CString& valueString, T* value) const = 0;
};

#endif
