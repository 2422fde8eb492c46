#include "heapsettings.h"

#include <malloc.h>

void returnLargeBlocksToTheSystem()
{
    // A fixed threshold turns the dynamic one off; 256 KiB is twice glibc's starting value, so
    // the many small Qt and OpenCV blocks stay in the heap as before.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}
