#include "HeapCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};
// Room before each block for its size, keeping the block's alignment.
constexpr std::size_t header = alignof(std::max_align_t);

void* allocate(std::size_t size) {
  void* block = std::malloc(size + header);
  if (!block) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  const std::size_t now = liveBytes += size;
  std::size_t peak = peakBytes.load();
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
  return static_cast<char*>(block) + header;
}

void release(void* pointer) {
  if (!pointer) return;
  char* block = static_cast<char*>(pointer) - header;
  liveBytes -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}

void* allocateOrThrow(std::size_t size) {
  void* pointer = allocate(size);
  if (!pointer) throw std::bad_alloc();
  return pointer;
}

}  // namespace

namespace heap_counter {

std::size_t live() { return liveBytes.load(); }
std::size_t peak() { return peakBytes.load(); }
void resetPeak() { peakBytes = liveBytes.load(); }

}  // namespace heap_counter

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* pointer) noexcept { release(pointer); }
void operator delete[](void* pointer) noexcept { release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { release(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { release(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { release(pointer); }
