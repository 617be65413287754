// The buffers of the two output streams.
#include "cli/line_buffers.h"

#include <cstdio>

namespace {

constexpr std::size_t kStreamBufferSize = 8200;
char g_stdout_buffer[kStreamBufferSize];
char g_stderr_buffer[kStreamBufferSize];

}  // namespace

void buffer_output_by_line() {
    std::setvbuf(stdout, g_stdout_buffer, _IOLBF, kStreamBufferSize);
    std::setvbuf(stderr, g_stderr_buffer, _IOLBF, kStreamBufferSize);
}
