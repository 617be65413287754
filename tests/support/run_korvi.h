// Runs the built programs (korvi, korvi-stats) in a working directory with
// their standard streams captured in files, as a user would run them.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// Runs the program in dir with the arguments; its streams go to the two
// capture files (one file shared by both streams when the paths are equal).
// A search path, when given, replaces PATH for the program. Returns the wait
// status.
inline int run_program(const char* program, const std::filesystem::path& dir,
                       const std::vector<std::string>& args, const std::filesystem::path& out,
                       const std::filesystem::path& err, const char* search_path = nullptr) {
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        int in_fd = open("/dev/null", O_RDONLY);
        int out_fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err_fd = err == out ? out_fd : open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in_fd < 0 || out_fd < 0 || err_fd < 0 || chdir(dir.c_str()) != 0) _exit(126);
        if (search_path) setenv("PATH", search_path, 1);
        dup2(in_fd, 0);
        dup2(out_fd, 1);
        dup2(err_fd, 2);
        execv(program, argv.data());
        _exit(127);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    return status;
}

inline int run_korvi(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     const std::filesystem::path& out, const std::filesystem::path& err) {
    return run_program(KORVI_BINARY, dir, args, out, err);
}

// Runs korvi in dir, discarding its streams into dir/stdout and dir/stderr.
inline void run_korvi_in(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    run_korvi(dir, args, dir / "stdout", dir / "stderr");
}
