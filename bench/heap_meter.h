#pragma once

#include <cstddef>

// The bytes that operator new has handed out and not yet taken back, in a
// program that links heap_meter.cpp (it replaces the global operator new and
// delete). Every container of the module allocates through them.
std::size_t HeapInUse();

// The highest HeapInUse() since the last ResetHeapPeak().
std::size_t HeapPeak();
void ResetHeapPeak();
