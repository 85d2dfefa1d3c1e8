#pragma once

// Watches threads for the things a real-time audio thread must not do: allocate from the heap or take a
// mutex. The program's global operator new, malloc and its relatives, and the pthread mutex entry points
// are replaced (see RealtimeProbe.cpp) and count the calls made by a thread while it is watched.
//
// Under a sanitizer the sanitizer's runtime owns malloc and the mutexes: under AddressSanitizer only
// operator new is counted, under ThreadSanitizer nothing, and isAvailable() says that the full probe is
// not installed. The sanitizer builds look for races and memory errors instead.
namespace RealtimeProbe
{
/** True when allocations of every kind and lock attempts are counted. */
bool isAvailable() noexcept;

/** True when operator new is counted (everywhere but under ThreadSanitizer). */
bool countsOperatorNew() noexcept;

/** Marks the calling thread for as long as the object lives. */
class ScopedWatchedThread
{
public:
    ScopedWatchedThread() noexcept;
    ~ScopedWatchedThread();

    ScopedWatchedThread (const ScopedWatchedThread&) = delete;
    ScopedWatchedThread& operator= (const ScopedWatchedThread&) = delete;
};

/** Counts since the last reset, over every watched thread. */
long allocations() noexcept;
long lockAttempts() noexcept;
void reset() noexcept;

/** Counts the allocations of the calling thread from its construction on. */
class ScopedAllocationCounter
{
public:
    ScopedAllocationCounter() noexcept { reset(); }

    long count() const noexcept { return allocations(); }

private:
    ScopedWatchedThread watched;
};
}
