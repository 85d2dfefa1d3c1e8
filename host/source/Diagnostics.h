#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace aaxhost
{
/** One trace line the plug-in sent to the host's services. */
struct TraceLine
{
    int32_t priority = 0;
    std::string message;
};

/** One assertion failure the plug-in reported. */
struct AssertionReport
{
    std::string file;
    int32_t line = 0;
    std::string expression;
    int32_t flags = 0;
};

/** Collects what the plug-in reports through the host's services. Traces may come from any thread. */
class Diagnostics
{
public:
    void addTrace (int32_t priority, std::string message);
    void addAssertion (AssertionReport report);

    /** The host's record of the description calls the plug-in made, in order ("ComponentDescriptor.AddAudioIn
        0", "PropertyMap.AddProperty 11 1298230901", ...): what a plug-in developer reads to see what the
        host was told, and when.
    */
    void addCall (std::string call);
    std::vector<std::string> getCalls() const;

    std::vector<TraceLine> getTraces() const;
    std::vector<AssertionReport> getAssertions() const;
    void clear();

private:
    mutable std::mutex lock;
    std::vector<TraceLine> traces;
    std::vector<AssertionReport> assertions;
    std::vector<std::string> calls;
};
}
