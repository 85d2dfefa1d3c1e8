#pragma once

// A host whose every answer comes from the fuzz input: each query, each factory call and each
// operation the plug-in makes on a host object takes the next byte and, by it, succeeds, fails,
// succeeds with a null pointer, or answers nonsense (odd result codes and odd output values).
// When the input runs out the host behaves well, so an empty input is a complete, normal run.
//
// Every host object counts itself; after the plug-in has been shut down no object may be left
// alive, or the plug-in kept a reference it was given.

#include "AAX.h"
#include "AAX_IACFAutomationDelegate.h"
#include "AAX_IACFCollection.h"
#include "AAX_IACFComponentDescriptor.h"
#include "AAX_IACFController.h"
#include "AAX_IACFDescriptionHost.h"
#include "AAX_IACFEffectDescriptor.h"
#include "AAX_IACFFeatureInfo.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFPropertyMap.h"
#include "AAX_IACFTransport.h"
#include "IACFComponentFactory.h"
#include "acfunknown.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace fuzzhost
{
/** What the host does with one call. */
enum class Reply
{
    succeed,
    fail,
    succeedWithNull, // success, but a null pointer where an object was asked for
    nonsense         // a result code no host should give, and odd output values
};

/** The fuzz input, read front to back. */
class Answers
{
public:
    Answers (const uint8_t* data, size_t size)
        : next (data)
        , end (data + size)
    {
    }

    Reply reply();
    uint32_t number(); // four bytes, or 0 when the input has run out
    float sampleRate();
    bool exhausted() const noexcept { return next == end; }

private:
    uint8_t byte (uint8_t whenExhausted);

    const uint8_t* next;
    const uint8_t* end;
};

/** The objects the plug-in registered while describing itself. */
struct Registration
{
    std::map<AAX_CProcPtrID, void*> procedures;
    std::vector<AAX_CProcessProc> processProcedures;
    int effects = 0;
};

/** Shared by every host object of one run. */
struct Host
{
    explicit Host (Answers& a)
        : answers (a)
    {
    }

    ~Host();

    Host (const Host&) = delete;
    Host& operator= (const Host&) = delete;

    Answers& answers;
    Registration registration;
    std::vector<IACFUnknown*> lentObjects; // handed out without a reference; released with the host
    int traces = 0;

    /** Host objects alive in this run. */
    static std::atomic<int> liveObjects;
};

/** The host's unknown for ACFStartup and ACFRegisterPlugin (component factory, description host,
    definition), and the instance context for a data model's Initialize (controller, transport,
    automation delegate). Returned with one reference, which the caller releases.
*/
IACFUnknown* createHostUnknown (Host& host);
IACFUnknown* createInstanceContext (Host& host);

/** Lists the kinds of host object still alive (for a failing run). */
void printLiveObjects();
}
