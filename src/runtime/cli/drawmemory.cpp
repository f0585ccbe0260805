#include "drawmemory.h"

#include <cstdint>
#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>

void PrepareMemoryForDraws()
{
    // The heap may hold single blocks up to 32 MB (the most mallopt allows).
    constexpr int kLargestHeapBlock = 32 << 20;
    constexpr std::size_t kHeapReserve = std::size_t(24) << 20;
    constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
    // Large buffers (the project's text, the lists) come from the heap and stay there
    // when freed, so the next list reuses pages already filled.
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kLargestHeapBlock);
    // Grow the heap once, untouched, and ask for large pages over it; the kernel fills
    // them as the draw first writes there.
    void *reserve = std::malloc(kHeapReserve);
    if (!reserve)
        return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(reserve) + kLargePage - 1) & ~(kLargePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(reserve) + kHeapReserve) & ~(kLargePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
    std::free(reserve);
}
#else
void PrepareMemoryForDraws() {}
#endif
