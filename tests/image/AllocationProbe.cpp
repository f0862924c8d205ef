#include "tests/image/AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The probe's record is process-wide by nature: the replaced operators below have no other place
// to keep it. Only the allocation test binary links this file.
namespace {

std::atomic<std::size_t>& largestSeen()
{
    static std::atomic<std::size_t> largest{0};
    return largest;
}

void note(std::size_t size)
{
    std::atomic<std::size_t>& largest = largestSeen();
    std::size_t seen = largest.load();
    while (size > seen && !largest.compare_exchange_weak(seen, size)) {
    }
}

} // namespace

namespace allocationprobe {

void reset() { largestSeen().store(0); }

std::size_t largestArray() { return largestSeen().load(); }

} // namespace allocationprobe

void* operator new[](std::size_t size)
{
    note(size);
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}

void operator delete[](void* block) noexcept { std::free(block); }

void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
