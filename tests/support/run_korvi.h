// Runs the built korvi program in a working directory with its standard
// streams captured in files, as a user would run it.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// Runs body in a child process working in dir, with standard input from
// /dev/null and its output streams in the two capture files (one file shared
// by both streams when the paths are equal). Returns the wait status.
template <typename Body>
int run_in_child(const std::filesystem::path& dir, const std::filesystem::path& out,
                 const std::filesystem::path& err, Body body) {
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        int in_fd = open("/dev/null", O_RDONLY);
        int out_fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err_fd = err == out ? out_fd : open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in_fd < 0 || out_fd < 0 || err_fd < 0 || chdir(dir.c_str()) != 0) _exit(126);
        dup2(in_fd, 0);
        dup2(out_fd, 1);
        dup2(err_fd, 2);
        body();
        _exit(127);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    return status;
}

// Runs korvi in dir with the arguments, its streams in the capture files.
inline int run_korvi(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     const std::filesystem::path& out, const std::filesystem::path& err) {
    std::vector<char*> argv{const_cast<char*>(KORVI_BINARY)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    return run_in_child(dir, out, err, [&] { execv(KORVI_BINARY, argv.data()); });
}

// Runs korvi in dir, discarding its streams into dir/stdout and dir/stderr.
inline void run_korvi_in(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    run_korvi(dir, args, dir / "stdout", dir / "stderr");
}
