#include "cli/output_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace corvane {

void map_output_pages(char* block, std::size_t size) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
  const long page_size = ::sysconf(_SC_PAGESIZE);
  if (page_size <= 0) return;
  const auto page = static_cast<std::uintptr_t>(page_size);
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t first = (start + page - 1) & ~(page - 1);
  const std::uintptr_t last = (start + size) & ~(page - 1);
  if (last <= first) return;
  // Only the whole pages inside the block. A kernel without the advice
  // refuses it; the pages are then faulted in as they are written.
  ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
  (void)block;
  (void)size;
#endif
}

}  // namespace corvane
