// A progress line on the terminal: drawn straight to the terminal's file
// descriptor, erased by the output streams before they write a line.
#include "cli/progress.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kRedrawInterval = std::chrono::milliseconds(250);
constexpr int kErrorFd = 2;

bool g_enabled = false;
bool g_drawn = false;      // the terminal shows a progress line now
bool g_line_open = false;  // the last byte written to the terminal ended no line
int g_stride = 1;          // read the clock on every g_stride-th update
const char* g_what = "";
long g_total = 0;
Clock::time_point g_start;
Clock::time_point g_last_draw;
long g_calls = 0;

void write_all(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n <= 0) return;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void erase_line() {
    if (!g_drawn) return;
    write_all(kErrorFd, "\r\033[K", 4);
    g_drawn = false;
}

// Stream writers for stdout and stderr: the progress line goes before the
// stream's own bytes reach a terminal.
struct TerminalStream {
    int fd;
    bool terminal;
};

TerminalStream g_streams[2];

ssize_t stream_write(void* cookie, const char* data, size_t size) {
    auto* stream = static_cast<TerminalStream*>(cookie);
    if (stream->terminal) {
        erase_line();
        if (size > 0) g_line_open = data[size - 1] != '\n';
    }
    write_all(stream->fd, data, size);
    return static_cast<ssize_t>(size);
}

FILE* terminal_stream(TerminalStream* stream, const char* mode) {
    cookie_io_functions_t functions{};
    functions.write = stream_write;
    return fopencookie(stream, mode, functions);
}

void draw(long done, long tries) {
    auto now = Clock::now();
    g_last_draw = now;
    if (g_line_open) return;  // never draw over a line that is still being written
    double seconds = std::chrono::duration<double>(now - g_start).count();
    char line[160];
    int n = std::snprintf(line, sizeof line, "\r\033[K%s: %ld", g_what, done);
    if (g_total > 0 && n < static_cast<int>(sizeof line))
        n += std::snprintf(line + n, sizeof line - n, " of %ld", g_total);
    if (tries >= 0 && n < static_cast<int>(sizeof line))
        n += std::snprintf(line + n, sizeof line - n, " after %ld attempts, %.0f/s", tries,
                           seconds > 0.0 ? static_cast<double>(done) / seconds : 0.0);
    if (g_total > 0 && done > 0 && seconds > 0.5 && n < static_cast<int>(sizeof line)) {
        double left = seconds * static_cast<double>(g_total - done) / static_cast<double>(done);
        n += std::snprintf(line + n, sizeof line - n, ", %.0f s left", left);
    }
    if (n >= static_cast<int>(sizeof line)) n = static_cast<int>(sizeof line) - 1;
    write_all(kErrorFd, line, static_cast<std::size_t>(n));
    g_drawn = true;
}

}  // namespace

void progress_setup() {
    if (!isatty(kErrorFd)) return;
    std::fflush(stdout);
    std::fflush(stderr);
    g_streams[0] = {1, isatty(1) != 0};
    g_streams[1] = {kErrorFd, true};
    FILE* out = terminal_stream(&g_streams[0], "w");
    FILE* err = terminal_stream(&g_streams[1], "w");
    if (!out || !err) return;
    static char out_buffer[8200];
    static char err_buffer[8200];
    std::setvbuf(out, out_buffer, _IOLBF, sizeof out_buffer);
    std::setvbuf(err, err_buffer, _IOLBF, sizeof err_buffer);
    stdout = out;
    stderr = err;
    g_enabled = true;
}

bool progress_enabled() {
    return g_enabled;
}

void progress_begin(const char* what, long total, int stride) {
    if (!g_enabled) return;
    g_what = what;
    g_total = total;
    g_stride = stride > 0 ? stride : 1;
    g_start = Clock::now();
    g_calls = 0;
    std::fflush(stdout);
    std::fflush(stderr);
    draw(0, -1);
}

void progress_update(long done, long tries) {
    if (!g_enabled) return;
    // Reading the clock is the only cost; fast loops read it now and then.
    if (++g_calls % g_stride != 0) return;
    if (Clock::now() - g_last_draw < kRedrawInterval) return;
    std::fflush(stdout);
    std::fflush(stderr);
    draw(done, tries);
}

void progress_end() {
    if (!g_enabled) return;
    std::fflush(stdout);
    std::fflush(stderr);
    erase_line();
}

SweepProgress sweep_progress(const char* unit) {
    if (!g_enabled) return {};
    return [unit](long done, long total) {
        if (done == 0) progress_begin(unit, total);
        progress_update(done);
    };
}
