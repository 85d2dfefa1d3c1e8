#pragma once

// Watches one thread for the things a real-time audio thread must not do: allocate from the heap or
// take a mutex. The program's global operator new and the pthread mutex entry points are replaced
// (see RealtimeProbe.cpp) and count the calls made by a thread while it is marked.
//
// Under a sanitizer the sanitizer's runtime owns those functions, so the probe is not installed
// there and isAvailable() says so; the sanitizer builds look for races and memory errors instead.
namespace RealtimeProbe
{
bool isAvailable() noexcept;

// Marks the calling thread for as long as the object lives.
class ScopedWatchedThread
{
public:
    ScopedWatchedThread() noexcept;
    ~ScopedWatchedThread();

    ScopedWatchedThread (const ScopedWatchedThread&) = delete;
    ScopedWatchedThread& operator= (const ScopedWatchedThread&) = delete;
};

// Counts since the last reset, over every watched thread.
long allocations() noexcept;
long lockAttempts() noexcept;
void reset() noexcept;
}
