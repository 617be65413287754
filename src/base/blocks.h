// Small helpers around allocated blocks: the memory message, releasing a
// holder together with the block it points to, and finding a pointer in an array.
#pragma once

// Prints "<requester>: can't allocate memory" on standard error.
void Bmem_err(const char* requester);

// Releases the block that the holder's first word points to (when there is
// one), then the holder itself.
void Bfree2(void* holder);

// Position of the first of the n array elements equal to value; -1 when there
// is none or n < 1.
int Bptr_idx(const void* value, const void* const* array, int n);
