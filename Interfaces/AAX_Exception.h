// Exceptions raised inside the library and caught at the exported entry functions.
#ifndef AAX_EXCEPTION_H
#define AAX_EXCEPTION_H

#include "AAX.h"

#include <string>

namespace AAX
{
namespace Exception
{
    /** The base of the library's exceptions: a description, optionally the raising function and line. */
    class Any
    {
    public:
        explicit Any (const std::string& inDescription, const std::string& inFunction = std::string(),
                      const std::string& inLine = std::string());
        virtual ~Any() = default;

        Any (const Any&) = default;
        Any& operator= (const Any&) = default;

        /** The description, then " func:" and the function and " line:" and the line where given. */
        const std::string& What() const noexcept { return mWhat; }
        const std::string& Desc() const noexcept { return mDescription; }
        const std::string& Function() const noexcept { return mFunction; }
        const std::string& Line() const noexcept { return mLine; }

        operator const std::string&() const noexcept { return mWhat; }

    private:
        static std::string MakeWhat (const std::string& inDescription, const std::string& inFunction,
                                     const std::string& inLine);

        std::string mDescription;
        std::string mFunction;
        std::string mLine;
        std::string mWhat;
    };

    /** An exception that carries the result code that caused it. */
    class ResultError : public Any
    {
    public:
        ResultError (const std::string& inDescription, AAX_Result inResult,
                     const std::string& inFunction = std::string(), const std::string& inLine = std::string());

        AAX_Result Result() const noexcept { return mResult; }

    private:
        AAX_Result mResult;
    };
}
}

#endif
