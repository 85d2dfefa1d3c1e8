// A result code that throws when it is not one of the accepted codes.
#ifndef AAX_CHECKEDRESULT_H
#define AAX_CHECKEDRESULT_H

#include "AAX.h"
#include "AAX_Errors.h"
#include "AAX_Exception.h"

#include <set>

/** Holds a result code that must be one of an accepted set (AAX_SUCCESS from the start).

    Assigning a code checks it at once; an unaccepted code is traced and thrown as an
    AAX::Exception::ResultError, which the exported entry functions turn back into a result code.
*/
class AAX_CheckedResult
{
public:
    AAX_CheckedResult (AAX_Result inResult = AAX_SUCCESS) noexcept;

    /** Takes the code and checks it. */
    AAX_CheckedResult& operator= (AAX_Result inResult);

    /** Returns when the current result is accepted; otherwise traces and throws. */
    void Check();

    /** Accepts a further code besides AAX_SUCCESS. */
    void AddAcceptedResult (AAX_Result inResult);

    AAX_Result GetCurrentResult() const noexcept { return mCurrentResult; }
    AAX_Result LastError() const noexcept { return mLastError; }

    operator AAX_Result() const noexcept { return mCurrentResult; }

private:
    AAX_Result mCurrentResult;
    AAX_Result mLastError = AAX_SUCCESS;
    std::set<AAX_Result> mAcceptedResults{AAX_SUCCESS};
};

#endif
