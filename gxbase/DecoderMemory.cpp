#include "gxbase/DecoderMemory.h"

#include <SDL.h>

#include <atomic>
#include <cstdint>

namespace gxbase {
namespace {

SDL_malloc_func systemMalloc;
SDL_calloc_func systemCalloc;
SDL_realloc_func systemRealloc;
SDL_free_func systemFree;
std::atomic<std::size_t> blockLimit{0};  // 0: no limit

bool TooLarge(std::size_t bytes) {
  const std::size_t limit = blockLimit.load(std::memory_order_relaxed);
  return limit != 0 && bytes > limit;
}

void* LimitedMalloc(std::size_t bytes) { return TooLarge(bytes) ? nullptr : systemMalloc(bytes); }

void* LimitedCalloc(std::size_t count, std::size_t size) {
  if (size != 0 && count > SIZE_MAX / size) return nullptr;
  return TooLarge(count * size) ? nullptr : systemCalloc(count, size);
}

void* LimitedRealloc(void* block, std::size_t bytes) {
  return TooLarge(bytes) ? nullptr : systemRealloc(block, bytes);
}

// The limited functions hand every block to the allocator SDL had, so blocks
// taken before they were installed are still freed by the right one.
void InstallOnce() {
  static const bool installed = [] {
    SDL_GetMemoryFunctions(&systemMalloc, &systemCalloc, &systemRealloc, &systemFree);
    return SDL_SetMemoryFunctions(LimitedMalloc, LimitedCalloc, LimitedRealloc, systemFree) == 0;
  }();
  (void)installed;
}

}  // namespace

DecoderMemoryLimit::DecoderMemoryLimit(std::size_t maxBlock) {
  InstallOnce();
  previous = blockLimit.exchange(maxBlock);
}

DecoderMemoryLimit::~DecoderMemoryLimit() { blockLimit.store(previous); }

}  // namespace gxbase
