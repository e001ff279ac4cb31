#include "allocation_counter.hpp"

#include <cstdlib>
#include <new>

namespace {

// The benchmarks run on one thread and read the count around their timed loops only.
std::size_t allocation_count = 0;

}  // namespace

std::size_t allocations_so_far() { return allocation_count; }

void* operator new(std::size_t size) {
  ++allocation_count;
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
