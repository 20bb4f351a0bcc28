// SPDX-License-Identifier: MIT
#pragma once

// Gives back to the system the memory the allocator holds free. A command
// on a long note goes through strings of megabytes, on several threads;
// the allocator keeps what they freed for later, some 13 MB after Ctrl+E
// on a million characters and 34 MB after Ctrl+D. Takes a millisecond or
// so: call it once the command is done and shown, not on its way.
void giveBackFreeMemory();
