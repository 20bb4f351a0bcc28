// SPDX-License-Identifier: MIT
#include "heap_release.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void releaseLargeBlocksPromptly() {
#if defined(__GLIBC__)
    // Setting the threshold also stops the allocator from raising it.
    constexpr int kLargeBlock = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
#endif
}
