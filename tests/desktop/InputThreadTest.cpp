// The input thread must never allocate or take a lock: either can wait on
// another thread (the allocator's arenas, the main thread holding the lock)
// for longer than a sound card waits for its buffer. This binary replaces
// the allocator and the lock functions with counting ones, so a tuner run on
// a thread of its own shows everything it would allocate or lock there.
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QtMainThread.h"
#include "tests/support/QtEnvironment.h"
#include "tests/support/Signals.h"
#include "tuner/Tuner.h"

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <new>
#include <numbers>
#include <pthread.h>
#include <semaphore.h>
#include <thread>
#include <vector>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define CLEFMARK_COUNTING 0 // the sanitizers own the allocator
#else
#define CLEFMARK_COUNTING 1
#endif

namespace {

// Plain thread-locals with constant initialisers: usable from the first
// allocation of a thread on, before any constructor has run.
thread_local bool counting = false;
thread_local long allocations = 0;
thread_local long locks = 0;

} // namespace

#if CLEFMARK_COUNTING

extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);

void* malloc(std::size_t size)
{
    allocations += counting;
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size)
{
    allocations += counting;
    return __libc_calloc(count, size);
}

void* realloc(void* old, std::size_t size)
{
    allocations += counting;
    return __libc_realloc(old, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    allocations += counting;
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size)
{
    allocations += counting;
    *out = __libc_memalign(alignment, size);
    return *out != nullptr ? 0 : ENOMEM;
}

void free(void* p)
{
    __libc_free(p);
}
} // extern "C"

namespace {

// The real functions, looked up at their first call: libraries' constructors
// take locks before this binary's own constructors run. A lookup may
// allocate; the tuner's set-up makes every first call before counting starts.
template <typename F> F real(std::atomic<F>& slot, const char* name)
{
    F f = slot.load(std::memory_order_relaxed);
    if (f == nullptr) {
        f = reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
        slot.store(f, std::memory_order_relaxed);
    }
    return f;
}
using MutexFn = int (*)(pthread_mutex_t*);
using RwFn = int (*)(pthread_rwlock_t*);
using SpinFn = int (*)(pthread_spinlock_t*);
using SemFn = int (*)(sem_t*);
std::atomic<MutexFn> realMutexLock { nullptr };
std::atomic<MutexFn> realMutexTryLock { nullptr };
std::atomic<RwFn> realReadLock { nullptr };
std::atomic<RwFn> realWriteLock { nullptr };
std::atomic<SpinFn> realSpinLock { nullptr };
std::atomic<SemFn> realSemWait { nullptr };

} // namespace

extern "C" {
int pthread_mutex_lock(pthread_mutex_t* m)
{
    locks += counting;
    return real(realMutexLock, "pthread_mutex_lock")(m);
}

int pthread_mutex_trylock(pthread_mutex_t* m)
{
    locks += counting;
    return real(realMutexTryLock, "pthread_mutex_trylock")(m);
}

int pthread_rwlock_rdlock(pthread_rwlock_t* l)
{
    locks += counting;
    return real(realReadLock, "pthread_rwlock_rdlock")(l);
}

int pthread_rwlock_wrlock(pthread_rwlock_t* l)
{
    locks += counting;
    return real(realWriteLock, "pthread_rwlock_wrlock")(l);
}

int pthread_spin_lock(pthread_spinlock_t* l)
{
    locks += counting;
    return real(realSpinLock, "pthread_spin_lock")(l);
}

int sem_wait(sem_t* s)
{
    locks += counting;
    return real(realSemWait, "sem_wait")(s);
}
} // extern "C"

void* operator new(std::size_t size)
{
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return ::operator new(size);
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    void* p = nullptr;
    if (::posix_memalign(&p, static_cast<std::size_t>(alignment), size == 0 ? 1 : size) != 0)
        throw std::bad_alloc();
    return p;
}

void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return ::operator new(size, alignment);
}

void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept
{
    std::free(p);
}

#endif // CLEFMARK_COUNTING

namespace clefmark {
namespace {

    struct Screen final : LevelDisplay, TuneDisplay, NoteDisplay, StatusDisplay, ReadingDisplay {
        void setLevel(int) override { ++levels; }
        void setTune(int, bool) override { ++tunes; }
        void setNote(int) override { }
        void increment() override { }
        void setReading(int, std::optional<Pitch>) override { ++readings; }
        void setPitch(const Pitch&) override { }
        int levels = 0;
        int tunes = 0;
        int readings = 0;
    };

    TEST(InputThread, NeitherAllocatesNorLocksWhileTheWindowIsShowingEveryBlock)
    {
        if (!CLEFMARK_COUNTING)
            GTEST_SKIP() << "the sanitizers replace the allocator";
        constexpr int kRate = 44100;
        constexpr std::uint32_t kCycle = 512;
        constexpr int kBlocks = 1000;

        MemoryUserDefaults defaults;
        QtMainThread mainThread;
        Tuner tuner(defaults, mainThread);
        Screen screen;
        tuner.setLevelMeter(&screen);
        tuner.setTunerMeter(&screen);
        tuner.setClefmark(&screen);
        tuner.setStatusIndicator(&screen);
        tuner.setReadingDisplay(&screen);
        StreamFormat format;
        format.sampleRate = kRate;
        format.formatFlags = kFormatFlagIsFloat;
        format.bytesPerFrame = 4;
        format.channelsPerFrame = 1;
        format.bitsPerChannel = 32;
        ASSERT_EQ(tuner.configureCapture(format), "");

        // A 440 Hz tone, so that every part of the analysis and every
        // display is exercised, then noise, in which the classic detector
        // finds nothing and the second opinion is asked.
        tuner.setSecondOpinion(true);
        const std::size_t frames = std::size_t { kBlocks } * tuner.bufferFrames();
        std::vector<float> tone(frames + kCycle);
        const std::vector<float> noise = test::noise(0.5f, tone.size());
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = i >= frames * 3 / 4 ? noise[i]
                                          : 0.5f
                    * static_cast<float>(
                        std::sin(2.0 * std::numbers::pi * 440.0 * static_cast<double>(i) / kRate));

        long inputAllocations = 0;
        long inputLocks = 0;
        std::atomic<bool> done { false };
        std::thread input([&] {
            counting = true;
            for (std::size_t first = 0; first < frames; first += kCycle) {
                const AudioBuffer buffer { 1, kCycle * 4, tone.data() + first };
                const AudioBufferList list { 1, &buffer };
                const AudioTimeStamp time { static_cast<double>(first + 1) };
                const AudioDeviceProcParams params { 0, &time, &list, &time, nullptr, nullptr };
                tuner.inputIOProc(&params);
            }
            counting = false;
            inputAllocations = allocations;
            inputLocks = locks;
            done = true;
        });
        // The window keeps up meanwhile, as it would.
        test::processEventsUntil([&] { return done.load(); });
        input.join();
        test::processEventsUntil(
            [&] { return screen.levels + static_cast<long>(tuner.droppedBlocks()) >= kBlocks; });

        EXPECT_EQ(inputAllocations, 0);
        EXPECT_EQ(inputLocks, 0);
        // A main thread held up for longer than the ring holds loses blocks,
        // and knows how many.
        EXPECT_EQ(screen.levels + static_cast<long>(tuner.droppedBlocks()), kBlocks);
        EXPECT_GT(screen.tunes, kBlocks / 2);
    }

} // namespace
} // namespace clefmark
