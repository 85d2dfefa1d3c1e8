#include "AAX_CHostServices.h"
#include "AAX_VHostServices.h"

#include <cstdarg>
#include <cstdio>

namespace
{
// Written only by ACFStartup and ACFShutdown on the host's main thread.
AAX_VHostServices* sHostServices = nullptr;
}

ACFRESULT AAX_CHostServices::Set (IACFUnknown* pUnkHost)
{
    if (sHostServices == nullptr && pUnkHost != nullptr)
    {
        try
        {
            sHostServices = new AAX_VHostServices (pUnkHost);
        }
        catch (...)
        {
            sHostServices = nullptr;
            return ACF_E_UNEXPECTED;
        }
    }
    else if (sHostServices != nullptr && pUnkHost == nullptr)
    {
        Reset();
    }

    return ACF_OK;
}

void AAX_CHostServices::Reset()
{
    delete sHostServices;
    sHostServices = nullptr;
}

AAX_IHostServices* AAX_CHostServices::Get() noexcept
{
    return sHostServices;
}

void AAX_CHostServices::Trace (AAX_ETracePriorityHost iPriority, const char* iMessage, ...)
{
    if (sHostServices == nullptr || iMessage == nullptr)
        return;

    char buffer[512];

    va_list args;
    va_start (args, iMessage);
    const auto written = std::vsnprintf (buffer, sizeof (buffer), iMessage, args);
    va_end (args);

    if (written < 0)
        return;

    sHostServices->Trace (iPriority, buffer);
}

void AAX_CHostServices::HandleAssertFailure (const char* iFile, int32_t iLine, const char* iNote, int32_t iFlags)
{
    if (sHostServices != nullptr)
        sHostServices->HandleAssertFailure (iFile, iLine, iNote, iFlags);
}
