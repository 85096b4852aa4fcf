// The counting replacement of the global operator new: once per executable, so it stays out of the
// shared support library.
#include "support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
// Atomic: a conversion run's parse-ahead threads allocate too.
std::atomic<std::size_t> g_allocations{0};
}  // namespace

namespace vt::testing {

std::size_t AllocationCount() {
  return g_allocations.load(std::memory_order_relaxed);
}

}  // namespace vt::testing

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
// The library's temporary buffers come from the nothrow form; it must pair with the above.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
