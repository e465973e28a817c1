// A fixed-capacity queue of plain values from one thread to one other,
// without locks or allocation: how the input thread hands its results to the
// main thread without ever waiting for it.
//
// Each side owns one index and only reads the other's. The producer writes
// a slot, then publishes it by storing its index with release; the consumer
// loads that index with acquire, so the slot's contents are visible before
// it reads them. The same pairing in the other direction (the consumer's
// release after reading, the producer's acquire before reusing a slot) keeps
// the producer from overwriting a slot still being read. The indices only
// grow; wrapping a 64-bit count would take centuries.
//
// The indices sit on cache lines of their own, so that the two threads do
// not slow each other down by writing to the same line.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <type_traits>

namespace clefmark {

template <typename T, std::size_t Capacity> class SpscRing {
    static_assert(std::is_trivially_copyable_v<T>, "values cross threads by copy");
    static_assert(Capacity > 0 && (Capacity & (Capacity - 1)) == 0, "a power of two");

public:
    /// Producer thread. False, storing nothing, when the ring is full.
    bool push(const T& value) noexcept
    {
        const std::uint64_t head = head_.load(std::memory_order_relaxed);
        if (head - tail_.load(std::memory_order_acquire) == Capacity)
            return false;
        slots_[head & (Capacity - 1)] = value;
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    /// Consumer thread. The oldest value, or none when empty.
    std::optional<T> pop() noexcept
    {
        const std::uint64_t tail = tail_.load(std::memory_order_relaxed);
        if (head_.load(std::memory_order_acquire) == tail)
            return std::nullopt;
        const T value = slots_[tail & (Capacity - 1)];
        tail_.store(tail + 1, std::memory_order_release);
        return value;
    }

    static constexpr std::size_t capacity() { return Capacity; }

private:
    alignas(64) std::atomic<std::uint64_t> head_ { 0 };
    alignas(64) std::atomic<std::uint64_t> tail_ { 0 };
    alignas(64) std::array<T, Capacity> slots_ {};
};

} // namespace clefmark
