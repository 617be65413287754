// The message of a request for memory that failed.
#pragma once

// Prints "<requester>: can't allocate memory" on standard error.
void Bmem_err(const char* requester);
