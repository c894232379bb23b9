#pragma once
// Counts the bytes the program holds through operator new, and the most it
// has held since the last reset, so that a benchmark can report the peak
// memory of one step.
#include <cstddef>

namespace heap_counter {

std::size_t live();
std::size_t peak();
// Starts a new peak from what is held now.
void resetPeak();

}  // namespace heap_counter
