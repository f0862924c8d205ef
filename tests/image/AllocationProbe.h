#pragma once
// Watches the array allocations of the test process that links AllocationProbe.cpp (it replaces
// the global operator new[] and delete[]), so a test can tell how large a buffer code under test
// asked for, even one it freed again.
#include <cstddef>

namespace allocationprobe {

// Forgets what was seen so far.
void reset();

// The largest operator new[] request since the last reset, in bytes.
std::size_t largestArray();

} // namespace allocationprobe
