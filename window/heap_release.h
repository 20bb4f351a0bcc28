// SPDX-License-Identifier: MIT
#pragma once

// Has every block of memory from 128 KiB up mapped on its own, and given
// back to the system the moment it is freed, for the life of the process.
// A command on a long note goes through a few strings of megabytes each.
// By default the allocator raises that threshold after the first such
// string is freed, and the later ones are taken from its heap. It keeps
// that heap afterwards, so the program would hold tens of megabytes more
// after one command. Call once at the start, before any thread starts.
void releaseLargeBlocksPromptly();
