#include "drawmemory.h"

#include <cstdint>
#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__linux__) && defined(__GLIBC__)
#if __GLIBC_PREREQ(2, 33) // mallinfo2
#define SUITE_HEAP_IN_LARGE_PAGES
#endif
#endif

#if defined(SUITE_HEAP_IN_LARGE_PAGES)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {
// Where the heap's large pages start; 0 when none were asked for.
std::uintptr_t largePagesBegin = 0;
} // namespace

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
    if (end > begin && madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE) == 0)
        largePagesBegin = begin;
    std::free(reserve);
}

void ExpectLargeDraw()
{
    if (largePagesBegin == 0)
        return;
    // Blocks are cut from the start of the heap's free top. Its part below the large pages
    // (up to 2 MB) would be filled in small pages, one fault each, so a block that is
    // never written takes it. The top ends at the heap's end and its size is the
    // allocator's `keepcost`. Held through a volatile pointer: the compiler drops an
    // allocation that is never used.
    constexpr std::uintptr_t kBlockHeader = 64;
    static void *volatile heldBelowLargePages = nullptr;
    const std::uintptr_t topStart = reinterpret_cast<std::uintptr_t>(sbrk(0)) - mallinfo2().keepcost;
    if (!heldBelowLargePages && topStart + kBlockHeader < largePagesBegin)
        heldBelowLargePages = std::malloc(largePagesBegin - topStart - kBlockHeader);
}
#else
void PrepareMemoryForDraws() {}
void ExpectLargeDraw() {}
#endif
