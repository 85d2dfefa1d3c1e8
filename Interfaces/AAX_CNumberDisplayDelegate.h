// A display that shows a real value as a decimal number.
#ifndef AAX_CNUMBERDISPLAYDELEGATE_H
#define AAX_CNUMBERDISPLAYDELEGATE_H

#include "AAX_IDisplayDelegate.h"

#include <sstream>

/** Shows values in fixed notation with Precision digits after the point and reads a number back
    from the start of a text. No unit or separator follows the number: SpaceAfter must be 0.
*/
template <typename T, uint32_t Precision = 2, uint32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    static_assert (SpaceAfter == 0, "no text follows the number");

    AAX_CNumberDisplayDelegate* Clone() const override { return new AAX_CNumberDisplayDelegate (*this); }

    bool ValueToString (T value, AAX_CString* valueString) const override
    {
        valueString->Clear();
        valueString->AppendNumber (static_cast<double> (value), static_cast<int32_t> (Precision));
        return true;
    }

    bool ValueToString (T value, int32_t maxNumChars, AAX_CString* valueString) const override
    {
        ValueToString (value, valueString);

        const auto maxLength = static_cast<uint32_t> (maxNumChars < 0 ? 0 : maxNumChars);
        std::string text (valueString->StdString());

        if (text.length() > maxLength)
            text.resize (maxLength);

        // A number cut right after its point would show a dangling point.
        if (maxNumChars > 0 && text.length() == maxLength && text.back() == '.')
            text.pop_back();

        valueString->Set (text.c_str());
        return true;
    }

    bool StringToValue (const AAX_CString& valueString, T* value) const override
    {
        std::istringstream stream (valueString.StdString());
        stream.imbue (std::locale::classic());

        T parsed{};
        stream >> parsed;

        if (stream.fail())
        {
            *value = T (0);
            return false;
        }

        *value = parsed;
        return true;
    }
};

#endif
