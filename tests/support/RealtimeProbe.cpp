#include "RealtimeProbe.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <new>

#include <dlfcn.h>
#include <pthread.h>

// GCC says which sanitizer is on with __SANITIZE_ADDRESS__ and __SANITIZE_THREAD__, clang with __has_feature.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define VANTREL_PROBE_UNDER_THREAD_SANITIZER 1
#elif __has_feature(address_sanitizer)
#define VANTREL_PROBE_UNDER_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define VANTREL_PROBE_UNDER_THREAD_SANITIZER 1
#elif defined(__SANITIZE_ADDRESS__)
#define VANTREL_PROBE_UNDER_ADDRESS_SANITIZER 1
#endif

#if VANTREL_PROBE_UNDER_THREAD_SANITIZER || VANTREL_PROBE_UNDER_ADDRESS_SANITIZER
#define VANTREL_PROBE_FULL 0
#else
#define VANTREL_PROBE_FULL 1
#endif

namespace
{
thread_local bool watched = false;
std::atomic<long> allocationCount{0};
std::atomic<long> lockCount{0};
}

namespace RealtimeProbe
{
bool isAvailable() noexcept
{
    return VANTREL_PROBE_FULL != 0;
}

bool countsOperatorNew() noexcept
{
#if VANTREL_PROBE_UNDER_THREAD_SANITIZER
    return false;
#else
    return true;
#endif
}

ScopedWatchedThread::ScopedWatchedThread() noexcept
{
    watched = true;
}

ScopedWatchedThread::~ScopedWatchedThread()
{
    watched = false;
}

long allocations() noexcept
{
    return allocationCount.load();
}

long lockAttempts() noexcept
{
    return lockCount.load();
}

void reset() noexcept
{
    allocationCount = 0;
    lockCount = 0;
}
}

#if !VANTREL_PROBE_UNDER_THREAD_SANITIZER

//==============================================================================
// Heap allocation: every form of operator new ends here.
namespace
{
void countAllocation() noexcept
{
    if (watched)
        ++allocationCount;
}

void* allocate (std::size_t size, std::size_t alignment = 0)
{
    countAllocation();

    void* memory = nullptr;

    if (alignment > alignof (std::max_align_t))
    {
        if (posix_memalign (&memory, alignment, size == 0 ? 1 : size) != 0)
            memory = nullptr;
    }
    else
    {
        memory = std::malloc (size == 0 ? 1 : size);
    }

    if (memory == nullptr)
        throw std::bad_alloc();

    return memory;
}

void* allocateNoThrow (std::size_t size, std::size_t alignment = 0) noexcept
{
    try
    {
        return allocate (size, alignment);
    }
    catch (...)
    {
        return nullptr;
    }
}
}

void* operator new (std::size_t size)
{
    return allocate (size);
}
void* operator new[] (std::size_t size)
{
    return allocate (size);
}
void* operator new (std::size_t size, std::align_val_t a)
{
    return allocate (size, (std::size_t)a);
}
void* operator new[] (std::size_t size, std::align_val_t a)
{
    return allocate (size, (std::size_t)a);
}
void* operator new (std::size_t size, const std::nothrow_t&) noexcept
{
    return allocateNoThrow (size);
}
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept
{
    return allocateNoThrow (size);
}
void* operator new (std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    return allocateNoThrow (size, (std::size_t)a);
}
void* operator new[] (std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    return allocateNoThrow (size, (std::size_t)a);
}

void operator delete (void* p) noexcept
{
    std::free (p);
}
void operator delete[] (void* p) noexcept
{
    std::free (p);
}
void operator delete (void* p, std::size_t) noexcept
{
    std::free (p);
}
void operator delete[] (void* p, std::size_t) noexcept
{
    std::free (p);
}
void operator delete (void* p, std::align_val_t) noexcept
{
    std::free (p);
}
void operator delete[] (void* p, std::align_val_t) noexcept
{
    std::free (p);
}
void operator delete (void* p, std::size_t, std::align_val_t) noexcept
{
    std::free (p);
}
void operator delete[] (void* p, std::size_t, std::align_val_t) noexcept
{
    std::free (p);
}
void operator delete (void* p, const std::nothrow_t&) noexcept
{
    std::free (p);
}
void operator delete[] (void* p, const std::nothrow_t&) noexcept
{
    std::free (p);
}
void operator delete (void* p, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free (p);
}
void operator delete[] (void* p, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free (p);
}
#endif

#if VANTREL_PROBE_FULL && defined(__GLIBC__)

//==============================================================================
// malloc and its relatives, which JUCE's HeapBlock (and so AudioBuffer) calls directly: the executable's
// definitions come first in symbol lookup and hand over to the C library's own entry points.
extern "C"
{
    void* __libc_malloc (std::size_t);
    void* __libc_calloc (std::size_t, std::size_t);
    void* __libc_realloc (void*, std::size_t);
    void* __libc_memalign (std::size_t, std::size_t);

    void* malloc (std::size_t size)
    {
        countAllocation();
        return __libc_malloc (size);
    }

    void* calloc (std::size_t count, std::size_t size)
    {
        countAllocation();
        return __libc_calloc (count, size);
    }

    void* realloc (void* memory, std::size_t size)
    {
        countAllocation();
        return __libc_realloc (memory, size);
    }

    void* memalign (std::size_t alignment, std::size_t size)
    {
        countAllocation();
        return __libc_memalign (alignment, size);
    }

    void* aligned_alloc (std::size_t alignment, std::size_t size)
    {
        countAllocation();
        return __libc_memalign (alignment, size);
    }

    int posix_memalign (void** result, std::size_t alignment, std::size_t size)
    {
        countAllocation();

        if (auto* memory = __libc_memalign (alignment, size))
        {
            *result = memory;
            return 0;
        }

        return ENOMEM;
    }
}
#endif

#if VANTREL_PROBE_FULL

//==============================================================================
// Mutexes: JUCE's CriticalSection, std::mutex and the C library all lock through these entry points.
// The executable's definitions come first in symbol lookup; they count and hand over to the next
// definition, the C library's, found once with dlsym (which locks through the loader's own internal
// lock, not through these).
namespace
{
template <typename Lock>
int countedLock (Lock* lock, std::atomic<int (*) (Lock*)>& real, const char* name) noexcept
{
    if (watched)
        ++lockCount;

    auto function = real.load (std::memory_order_acquire);

    if (function == nullptr)
    {
        function = reinterpret_cast<int (*) (Lock*)> (dlsym (RTLD_NEXT, name));
        real.store (function, std::memory_order_release);
    }

    return function (lock);
}

std::atomic<int (*) (pthread_mutex_t*)> realMutexLock{nullptr}, realMutexTryLock{nullptr};
std::atomic<int (*) (pthread_rwlock_t*)> realReadLock{nullptr}, realWriteLock{nullptr};
}

extern "C"
{
    int pthread_mutex_lock (pthread_mutex_t* m)
    {
        return countedLock (m, realMutexLock, "pthread_mutex_lock");
    }
    int pthread_mutex_trylock (pthread_mutex_t* m)
    {
        return countedLock (m, realMutexTryLock, "pthread_mutex_trylock");
    }
    int pthread_rwlock_rdlock (pthread_rwlock_t* l)
    {
        return countedLock (l, realReadLock, "pthread_rwlock_rdlock");
    }
    int pthread_rwlock_wrlock (pthread_rwlock_t* l)
    {
        return countedLock (l, realWriteLock, "pthread_rwlock_wrlock");
    }
}
#endif
