#include "AAX_Exception.h"

namespace AAX
{
namespace Exception
{
    Any::Any (const std::string& inDescription, const std::string& inFunction, const std::string& inLine)
        : mDescription (inDescription)
        , mFunction (inFunction)
        , mLine (inLine)
        , mWhat (MakeWhat (inDescription, inFunction, inLine))
    {
    }

    std::string Any::MakeWhat (const std::string& inDescription, const std::string& inFunction,
                               const std::string& inLine)
    {
        std::string what (inDescription);

        if (!inFunction.empty())
            what += " func:" + inFunction;

        if (!inLine.empty())
            what += " line:" + inLine;

        return what;
    }

    ResultError::ResultError (const std::string& inDescription, AAX_Result inResult, const std::string& inFunction,
                              const std::string& inLine)
        : Any (inDescription, inFunction, inLine)
        , mResult (inResult)
    {
    }
}
}
