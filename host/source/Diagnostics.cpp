#include "Diagnostics.h"

namespace aaxhost
{
void Diagnostics::addTrace (int32_t priority, std::string message)
{
    const std::lock_guard<std::mutex> guard (lock);
    traces.push_back ({priority, std::move (message)});
}

void Diagnostics::addAssertion (AssertionReport report)
{
    const std::lock_guard<std::mutex> guard (lock);
    assertions.push_back (std::move (report));
}

void Diagnostics::addCall (std::string call)
{
    const std::lock_guard<std::mutex> guard (lock);
    calls.push_back (std::move (call));
}

std::vector<std::string> Diagnostics::getCalls() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return calls;
}

std::vector<TraceLine> Diagnostics::getTraces() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return traces;
}

std::vector<AssertionReport> Diagnostics::getAssertions() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return assertions;
}

void Diagnostics::clear()
{
    const std::lock_guard<std::mutex> guard (lock);
    traces.clear();
    assertions.clear();
    calls.clear();
}
}
