#pragma once

#include "HostState.h"

#include <AAX_Enums.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace aaxhost
{
/** One call the plug-in made on the host's automation delegate. */
struct AutomationEvent
{
    enum class Kind
    {
        registerParameter,
        unregisterParameter,
        touch,
        setValueRequest,
        currentValue,
        release
    };

    Kind kind;
    std::string parameterID;
    double value = 0.0; // for set-value requests and current values
};

const char* toString (AutomationEvent::Kind kind) noexcept;

/** What the host knows of one plug-in instance, shared by the host objects the instance talks to (controller,
    automation delegate, transport) and the host's own instance object.
*/
struct InstanceState
{
    explicit InstanceState (HostState& host)
        : hostState (host)
    {
    }

    HostState& hostState;

    // Fixed when the instance is made
    std::string effectID;
    float sampleRate = 48000.0f;
    AAX_EStemFormat inputStemFormat = AAX_eStemFormat_Stereo;
    AAX_EStemFormat outputStemFormat = AAX_eStemFormat_Stereo;

    // Reported by the plug-in
    std::atomic<int32_t> signalLatency{0};

    // Packets posted by the plug-in for its data-in ports, delivered before the next block
    std::mutex packetLock;
    std::map<int32_t, std::vector<uint8_t>> pendingPackets;
    std::map<int32_t, uint32_t> portSizes; // data-in ports of the instance's context, by field

    // Automation: every call in order, and the set requests the host has yet to answer
    std::mutex automationLock;
    std::vector<AutomationEvent> automationEvents;
    std::vector<std::pair<std::string, double>> pendingSetRequests;
    std::map<std::string, bool> touched;

    // Transport: stopped at the start, advanced by the render loop
    std::atomic<int64_t> samplePosition{0};
    double tempo = 120.0;
    int32_t meterNumerator = 4, meterDenominator = 4;
};
}
