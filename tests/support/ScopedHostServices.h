// Installs the library's process-wide host services for the life of a test, so that its traces and assertion
// reports can be checked.
#pragma once

#include "AAX_CHostServices.h"
#include "FakeHost.h"

namespace FakeHost
{
class ScopedHostServices
{
public:
    /** The services of `host`, installed as ACFStartup installs them. */
    explicit ScopedHostServices (HostContext& host)
        : result (AAX_CHostServices::Set (host.context.AsUnknown()))
    {
    }

    /** Services of a host of its own, recording into `log`; the installation itself is not recorded. */
    explicit ScopedHostServices (CallLog& log)
        : services (std::make_unique<HostServices> (log, "hostServices"))
    {
        ownHost.factory.Serve (AAXCompID_HostServices, *services);
        result = AAX_CHostServices::Set (ownHost.context.AsUnknown());
        log.Clear();
    }

    ~ScopedHostServices() { AAX_CHostServices::Reset(); }

    ACFRESULT result = ACF_OK;

private:
    HostContext ownHost;
    std::unique_ptr<HostServices> services;
};
}
