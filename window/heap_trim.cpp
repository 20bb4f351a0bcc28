// SPDX-License-Identifier: MIT
#include "heap_trim.h"

// Any C library header says which C library this is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void giveBackFreeMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
