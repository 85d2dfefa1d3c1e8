// Static front end of the host's services: trace output and assertion reports.
#ifndef AAX_CHOSTSERVICES_H
#define AAX_CHOSTSERVICES_H

#include "AAX.h"
#include "AAX_Enums.h"
#include "acfunknown.h"

class AAX_IHostServices;

/** Reaches the one process-wide wrapper of the host's services. Without a wrapper every call is dropped. */
class AAX_CHostServices
{
public:
    AAX_CHostServices() = delete;

    /** Installs or removes the process-wide wrapper, as ACFStartup and ACFShutdown need it:
        - no wrapper yet and a host: creates the wrapper (ACF_E_UNEXPECTED if that throws, no wrapper then);
        - a wrapper and no host: deletes it.
        Anything else changes nothing. Returns ACF_OK otherwise.
    */
    static ACFRESULT Set (IACFUnknown* pUnkHost);

    /** Deletes the wrapper if there is one. */
    static void Reset();

    /** The wrapper, or null. */
    static AAX_IHostServices* Get() noexcept;

    /** Formats a printf-style line (at most 511 characters) and hands it to the host. */
    static void Trace (AAX_ETracePriorityHost iPriority, const char* iMessage, ...)
#if defined(__GNUC__)
        __attribute__ ((format (printf, 2, 3)))
#endif
        ;

    /** Reports a failed assertion to the host; execution goes on. */
    static void HandleAssertFailure (const char* iFile, int32_t iLine, const char* iNote,
                                     int32_t iFlags = AAX_eAssertFlags_Log);
};

#endif
