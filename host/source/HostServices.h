#pragma once

#include "HostObject.h"
#include "HostState.h"

#include <AAX_IACFHostServices.h>

namespace aaxhost
{
/** The host's services: collects the plug-in's trace lines and assertion reports. */
class HostServices final : public HostObject<AAX_IACFHostServices_V3>
{
public:
    HostServices (Diagnostics& diagnostics, int numVersions);

    AAX_Result Assert (const char* file, int32_t line, const char* note) override;
    AAX_Result Trace (int32_t priority, const char* message) override;
    AAX_Result StackTrace (int32_t tracePriority, int32_t stackTracePriority, const char* message) override;
    AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) override;

private:
    Diagnostics& diagnostics;
};
}
