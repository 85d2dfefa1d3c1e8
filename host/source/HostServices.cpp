#include "HostServices.h"

#include "HostString.h"

#include <AAX_Errors.h>
#include <AAX_UIDs.h>

namespace aaxhost
{
HostServices::HostServices (Diagnostics& hostDiagnostics, int numVersions)
    : HostObject (firstVersions ({IID_IAAXHostServicesV1, IID_IAAXHostServicesV2, IID_IAAXHostServicesV3}, numVersions))
    , diagnostics (hostDiagnostics)
{
}

AAX_Result HostServices::Assert (const char* file, int32_t line, const char* note)
{
    diagnostics.addAssertion ({textOrEmpty (file), line, textOrEmpty (note), 0});
    return AAX_SUCCESS;
}

AAX_Result HostServices::Trace (int32_t priority, const char* message)
{
    diagnostics.addTrace (priority, textOrEmpty (message));
    return AAX_SUCCESS;
}

AAX_Result HostServices::StackTrace (int32_t tracePriority, int32_t, const char* message)
{
    // No symbolised stack trace is available here; the message itself is kept.
    diagnostics.addTrace (tracePriority, textOrEmpty (message));
    return AAX_SUCCESS;
}

AAX_Result HostServices::HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags)
{
    diagnostics.addAssertion ({textOrEmpty (file), line, textOrEmpty (note), flags});
    return AAX_SUCCESS;
}
}
