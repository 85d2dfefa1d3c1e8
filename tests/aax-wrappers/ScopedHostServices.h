// Installs fake host services for one test, so that traces and assertion reports can be checked.
#pragma once

#include "AAX_CHostServices.h"
#include "FakeHost.h"

namespace FakeHost
{
class ScopedHostServices
{
public:
    explicit ScopedHostServices (CallLog& logToUse)
        : log (logToUse)
    {
        context.Offer (IID_IACFComponentFactory, static_cast<IACFComponentFactory*> (&factory), &factory);
        factory.Register (AAXCompID_HostServices,
                          [this] (int) { return std::make_unique<HostServices> (log, "hostServices"); });
        AAX_CHostServices::Set (&context);
        log.Clear();
    }

    ~ScopedHostServices() { AAX_CHostServices::Reset(); }

private:
    CallLog& log;
    CallLog setupLog;
    Unknown context{setupLog, "servicesContext"};
    ComponentFactory factory{setupLog, "servicesFactory"};
};
}
