// Runs under a pseudo-terminal: progress appears while the work goes on and
// the final screen holds exactly the lines of a run without a terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/run_korvi.h"

namespace {

// Everything korvi writes to a terminal (both streams), as raw bytes.
std::string run_on_terminal(const std::filesystem::path& dir,
                            const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(KORVI_BINARY)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    int master = -1;
    pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(126);
        execv(KORVI_BINARY, argv.data());
        _exit(127);
    }
    std::string bytes;
    char buffer[4096];
    ssize_t n;
    while ((n = read(master, buffer, sizeof buffer)) > 0) bytes.append(buffer, n);
    close(master);
    waitpid(pid, nullptr, 0);
    return bytes;
}

// What a terminal shows at the end: carriage returns move to the start of
// the line, ESC [ K erases to its end, line feeds open the next line.
std::string final_screen(const std::string& bytes) {
    std::vector<std::string> lines(1);
    std::size_t column = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::string& line = lines.back();
        if (bytes[i] == '\r') {
            column = 0;
        } else if (bytes[i] == '\n') {
            lines.emplace_back();
            column = 0;
        } else if (bytes.compare(i, 3, "\033[K") == 0) {
            line.resize(column);
            i += 2;
        } else {
            line.resize(std::max(line.size(), column + 1));
            line[column++] = bytes[i];
        }
    }
    std::string screen;
    for (const std::string& line : lines) screen += line + "\n";
    screen.pop_back();
    return std::regex_replace(screen, std::regex("[0-9]+ sec\n"), "* sec\n");
}

// Both streams of a run without a terminal, in the order they were written.
std::string run_redirected(const std::filesystem::path& dir, const std::vector<std::string>& args) {
    run_korvi(dir, args, dir / "both", dir / "both");
    return std::regex_replace(read_file(dir / "both"), std::regex("[0-9]+ sec\n"), "* sec\n");
}

}  // namespace

TEST(Progress, TerminalShowsProgressAndEndsWithTheNormalLines) {
    TempDir dir;
    run_korvi_in(dir.path(), {"-g8", "-b0"});
    const std::vector<std::vector<std::string>> runs = {
        {"-l", "ldmd_8", "-s3", "-r3", "-d0", "-e30", "-n1500", "-i7", "walks"},
        {"-l", "ldmd_8", "-s3", "-r3", "-d-12", "-t0", "-p0", "walks"},
    };
    const char* what[] = {"walks: ", "positions: "};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        std::string bytes = run_on_terminal(dir.path(), runs[i]);
        EXPECT_NE(bytes.find(std::string("\r\033[K") + what[i]), std::string::npos) << what[i];
        EXPECT_EQ(final_screen(bytes), run_redirected(dir.path(), runs[i])) << what[i];
    }
}
