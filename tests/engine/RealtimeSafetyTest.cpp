#include "EngineTestHelpers.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>

// Every heap allocation of the program is counted: operator new and delete are replaced, and so,
// with glibc, are malloc and its relatives, which JUCE's HeapBlock (and so AudioBuffer) calls
// directly. While a test arms the counter, allocations made by the arming thread are counted;
// other threads (the framework's timer thread) are left alone.
// Sanitizers bring their own malloc; under them only operator new is counted.
// (GCC says so with __SANITIZE_ADDRESS__ and __SANITIZE_THREAD__, clang with __has_feature.)
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define VANTREL_UNDER_SANITIZER 1
#endif
#endif
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__) && !defined(VANTREL_UNDER_SANITIZER)
#define VANTREL_COUNT_MALLOC 1
#else
#define VANTREL_COUNT_MALLOC 0
#endif

namespace
{
thread_local bool countingOnThisThread = false;
std::atomic<int> allocationCount{0};

void countAllocation() noexcept
{
    if (countingOnThisThread)
        ++allocationCount;
}

void* allocate (std::size_t size)
{
    countAllocation();

    if (auto* memory = std::malloc (size == 0 ? 1 : size))
        return memory;

    throw std::bad_alloc();
}

void* allocateAligned (std::size_t size, std::align_val_t alignment)
{
    countAllocation();

    const auto align = std::max ((std::size_t)alignment, sizeof (void*));
    void* memory = nullptr;

    if (posix_memalign (&memory, align, size == 0 ? 1 : size) != 0)
        throw std::bad_alloc();

    return memory;
}
}

#if VANTREL_COUNT_MALLOC
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

namespace
{
class ScopedAllocationCounter
{
public:
    ScopedAllocationCounter()
    {
        allocationCount = 0;
        countingOnThisThread = true;
    }

    ~ScopedAllocationCounter() { countingOnThisThread = false; }

    int count() const { return allocationCount.load(); }
};
}

void* operator new (std::size_t size)
{
    return allocate (size);
}
void* operator new[] (std::size_t size)
{
    return allocate (size);
}
void* operator new (std::size_t size, const std::nothrow_t&) noexcept
{
    try
    {
        return allocate (size);
    }
    catch (...)
    {
        return nullptr;
    }
}
void* operator new[] (std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new (size, tag);
}
void* operator new (std::size_t size, std::align_val_t alignment)
{
    return allocateAligned (size, alignment);
}
void* operator new[] (std::size_t size, std::align_val_t alignment)
{
    return allocateAligned (size, alignment);
}
void operator delete (void* memory) noexcept
{
    std::free (memory);
}
void operator delete[] (void* memory) noexcept
{
    std::free (memory);
}
void operator delete (void* memory, std::size_t) noexcept
{
    std::free (memory);
}
void operator delete[] (void* memory, std::size_t) noexcept
{
    std::free (memory);
}
void operator delete (void* memory, std::align_val_t) noexcept
{
    std::free (memory);
}
void operator delete[] (void* memory, std::align_val_t) noexcept
{
    std::free (memory);
}
void operator delete (void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free (memory);
}
void operator delete[] (void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free (memory);
}

using namespace EngineTest;

TEST (RealtimeSafety, TheCounterSeesAllocations)
{
    {
        ScopedAllocationCounter counter;
        auto vector = std::make_unique<std::vector<int>> (100);
        EXPECT_GE (counter.count(), 2);
    }

#if VANTREL_COUNT_MALLOC
    {
        ScopedAllocationCounter counter;
        juce::AudioBuffer<float> buffer (2, 64);
        EXPECT_GE (counter.count(), 1);
    }
#endif
}

TEST (RealtimeSafety, ProcessBlockNeverAllocates)
{
    for (const auto numChannels : {1, 2})
    {
        for (const auto quality : {0.0f, 1.0f})
        {
            SCOPED_TRACE (juce::String (numChannels) + " channels, quality " + juce::String (quality));

            auto processor = makeProcessor (numChannels);
            setParameter (*processor, "quality", quality);
            prepare (*processor, 512);

            auto buffer = makeSine (numChannels, 512, 1.5f, 997.0);
            juce::AudioBuffer<float> empty (numChannels, 0);
            juce::MidiBuffer midi;

            // Parameters change between blocks, so every ramp, the crossfade and the switch
            // between oversamplers run inside the counted calls.
            for (int block = 0; block < 64; ++block)
            {
                setParameter (*processor, "input", (float)(block % 7) * 3.0f - 9.0f);
                setParameter (*processor, "clip", (float)(block % 5) * 3.0f);
                setParameter (*processor, "clipCurve", (float)(block % 11) * 10.0f);
                setParameter (*processor, "output", (float)(block % 3) * -4.0f);
                setParameter (*processor, "clipBypass", block % 8 < 4 ? 0.0f : 1.0f);
                setParameter (*processor, "quality", block % 16 < 8 ? quality : 1.0f - quality);

                juce::AudioBuffer<float> block512 (buffer);
                const auto length = block % 4 == 0 ? 512 : 97 + block;
                juce::AudioBuffer<float> view (block512.getArrayOfWritePointers(), numChannels, length);

                ScopedAllocationCounter counter;
                processor->processBlock (view, midi);
                processor->processBlock (empty, midi);
                EXPECT_EQ (counter.count(), 0) << "block " << block;
            }

            // A host that skips the preparation for a longer block gets it processed in parts,
            // still without allocating.
            auto longBlock = makeSine (numChannels, 1500, 0.8f, 440.0);
            {
                ScopedAllocationCounter counter;
                processor->processBlock (longBlock, midi);
                EXPECT_EQ (counter.count(), 0);
            }
        }
    }
}
