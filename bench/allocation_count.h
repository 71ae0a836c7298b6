// Heap allocations of the bench process, counted at malloc (with calloc,
// realloc and the aligned forms) and at operator new, and split by who asked:
// our own code, or a library (Mesa, freeglut, the X libraries).
#pragma once

#include <cstddef>

struct AllocationCounts {
  std::size_t oursAtMalloc = 0;
  std::size_t librariesAtMalloc = 0;
  std::size_t oursAtNew = 0;  // through operator new; each also reaches malloc
  std::size_t librariesAtNew = 0;
};

// Counts from now, in every thread, until StopCountingAllocations.
void StartCountingAllocations();
AllocationCounts StopCountingAllocations();
