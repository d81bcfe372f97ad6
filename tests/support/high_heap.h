// The 64-bit Windows test programs' heap above 4 GB (high_heap.cpp, linked into each of them).
#pragma once

#include <cstdint>

namespace test_support {

// Where the heap's address range starts; 0 when the system granted none above 4 GB.
std::uintptr_t HighHeapBase();

}  // namespace test_support
