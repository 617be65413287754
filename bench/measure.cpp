// Runs a program with its output streams sent to /dev/null (or to the files
// given) and prints its wall time in seconds and its peak memory in MiB on
// one line: "<seconds> <MiB>".
// Usage: measure [-o stdout-file] [-e stderr-file] program args...
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const char* out = "/dev/null";
    const char* err = "/dev/null";
    int first = 1;
    for (; first + 1 < argc && argv[first][0] == '-'; first += 2) {
        if (std::strcmp(argv[first], "-o") == 0)
            out = argv[first + 1];
        else if (std::strcmp(argv[first], "-e") == 0)
            err = argv[first + 1];
        else
            break;
    }
    if (first >= argc) {
        std::fputs("usage: measure [-o stdout-file] [-e stderr-file] program args...\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int out_fd = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err_fd = open(err, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out_fd < 0 || err_fd < 0) _exit(126);
        dup2(out_fd, 1);
        dup2(err_fd, 2);
        execv(argv[first], argv + first);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) < 0) return 1;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.4f %.1f\n", seconds, static_cast<double>(usage.ru_maxrss) / 1024.0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
