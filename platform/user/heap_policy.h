// How the process's heap treats the picture-sized blocks of the viewer.
#pragma once

// Each reload frees one picture and allocates the next, usually of about the
// same size. Served from fresh mappings, every such block costs a page fault
// per 4 KB on first touch (tens of milliseconds for a full-size photograph);
// kept in the heap, the next picture reuses the pages the last one left.
// Since only one picture is held at a time the peak stays the same; free
// memory above 128 MB at the top of the heap is still given back.
//
// This sets the C library's allocator for the whole process, not only for
// the pictures: from then on no block of any size, the toolkit's included,
// gets a mapping of its own.
void SetProcessAllocatorToKeepLargeBlocks();
