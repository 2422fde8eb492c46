// heapsettings.h - how the C library's allocator treats the large blocks of a streaming program.
#ifndef HEAPSETTINGS_H
#define HEAPSETTINGS_H

// Frames and images (1 to 5 MB) are then always mapped on their own and handed back to the
// system when freed. Otherwise glibc raises its mapping threshold after the first large block is
// freed, later frames land in the heap, and a heap with holes keeps its pages resident: about
// 10 MB more while the pole is monitored. Call once at start-up, before any thread starts.
void returnLargeBlocksToTheSystem();

#endif // HEAPSETTINGS_H
