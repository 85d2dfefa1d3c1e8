#include "AAX_CheckedResult.h"
#include "AAX_CHostServices.h"

#include <cstdio>

AAX_CheckedResult::AAX_CheckedResult (AAX_Result inResult) noexcept
    : mCurrentResult (inResult)
{
}

AAX_CheckedResult& AAX_CheckedResult::operator= (AAX_Result inResult)
{
    mCurrentResult = inResult;
    Check();
    return *this;
}

void AAX_CheckedResult::Check()
{
    if (mAcceptedResults.count (mCurrentResult) != 0)
        return;

    const auto failedResult = mCurrentResult;

    char number[16] = {};
    std::snprintf (number, sizeof (number), "%ld", static_cast<long> (failedResult));

    const AAX::Exception::ResultError error (std::string (AAX_ResultToString (failedResult)) + " (" + number + ")",
                                             failedResult);

    // The holder passes its next check until a new code is assigned.
    mCurrentResult = AAX_SUCCESS;
    mLastError = failedResult;

    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "AAX_CheckedResult - throwing %s", error.What().c_str());
    throw error;
}

void AAX_CheckedResult::AddAcceptedResult (AAX_Result inResult)
{
    mAcceptedResults.insert (inResult);
}
