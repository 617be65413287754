// Line buffering of the two output streams, each with a buffer of its own.
#pragma once

// Sets standard output and standard error to line buffering with buffers of
// 8200 bytes. Call once, before anything is written.
void buffer_output_by_line();
