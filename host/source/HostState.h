#pragma once

#include "ComPtr.h"
#include "Diagnostics.h"
#include "HostOptions.h"

#include <vector>

namespace aaxhost
{
/** What the host's objects share: the options they answer by, the diagnostics they collect, and the objects
    the host hands out without a reference for the caller (feature information and its property maps),
    which the host keeps alive itself until registration ends.
*/
struct HostState
{
    HostOptions options;
    Diagnostics diagnostics;
    std::vector<ComPtr<IACFUnknown>> lentObjects;
};
}
