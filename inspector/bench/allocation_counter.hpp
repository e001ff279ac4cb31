// Heap allocations made through the global operator new since the program started. The
// replacement lives in its own file so that no caller sees malloc and free inside it.
#pragma once

#include <cstddef>

std::size_t allocations_so_far();
