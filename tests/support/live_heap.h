#pragma once
// The bytes the process holds allocated right now: a test compares them before and after
// repeating some work, to show that the work keeps memory flat. Under AddressSanitizer the
// sanitizer's allocator counts them (freed blocks waiting in its quarantine are not counted);
// otherwise the C library's allocator does.

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define KV_LIVE_HEAP_FROM_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KV_LIVE_HEAP_FROM_SANITIZER 1
#endif
#endif

#ifdef KV_LIVE_HEAP_FROM_SANITIZER
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace test_support {

inline std::size_t LiveHeapBytes() {
#ifdef KV_LIVE_HEAP_FROM_SANITIZER
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

}  // namespace test_support
