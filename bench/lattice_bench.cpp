// Time and peak memory of lattice generation and of writing and reading the
// lattice as a .jkl file, for growing shell counts of every lattice type.
// Each figure runs in a child process so that its peak memory is its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lattice/generation.h"
#include "structure/elements.h"
#include "structure/jkl_file.h"
#include "structure/model.h"

namespace {

struct Series {
    int type;
    int shells[6];
};

constexpr Series kSeries[] = {
    {0, {10, 20, 30, 40, 50, 60}},
    {1, {10, 15, 20, 30, 40, 0}},
    {2, {10, 15, 20, 25, 30, 35}},
    {3, {5, 10, 15, 20, 25, 30}},
};

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double peak_mib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

int count_atoms(Entry* e) {
    int n = 0;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) ++n;
    return n;
}

void report(std::FILE* out, const char* what, const char* name, int vertices, double seconds) {
    std::fprintf(out, "%-8s %-8s %7d vertices %8.3f s %7.2f us/vertex  peak %7.1f MiB\n", what,
                 name, vertices, seconds, 1e6 * seconds / vertices, peak_mib());
    std::fflush(out);
}

// Runs one figure in a child whose own messages (progress, summary, read
// report) are silenced; the figures go to the parent's stdout.
template <typename Work>
void in_child(Work work) {
    std::fflush(stdout);
    pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (pid == 0) {
        std::FILE* out = fdopen(dup(STDOUT_FILENO), "w");
        const bool silenced =
            out && std::freopen("/dev/null", "w", stdout) && std::freopen("/dev/null", "w", stderr);
        if (!silenced) std::_Exit(1);
        work(out);
        std::fclose(out);
        std::_Exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
}

void generate_and_write(std::FILE* out, int type, int shells, const std::string& path) {
    const float points[6] = {0, 0, 0, -1, 0, 0};
    auto start = std::chrono::steady_clock::now();
    Entry* e = Xltgen(type, points, shells, nullptr, Qbdlen(6, 6));
    double generated = seconds_since(start);
    if (!e) {
        std::fprintf(out, "generation of type %d, %d shells failed\n", type, shells);
        return;
    }
    const int vertices = count_atoms(e);
    report(out, "generate", e->name, vertices, generated);

    std::FILE* fp = std::fopen(path.c_str(), "w");
    if (!fp) {
        std::perror(path.c_str());
        return;
    }
    start = std::chrono::steady_clock::now();
    Istjkl(fp, e, 0);
    std::fclose(fp);
    report(out, "write", e->name, vertices, seconds_since(start));
}

void read_back(std::FILE* out, const std::string& path) {
    std::FILE* fp = std::fopen(path.c_str(), "r");
    if (!fp) {
        std::perror(path.c_str());
        return;
    }
    auto start = std::chrono::steady_clock::now();
    Entry* e = Igtjklm(fp, nullptr);
    double seconds = seconds_since(start);
    std::fclose(fp);
    if (!e) {
        std::fprintf(out, "reading %s failed\n", path.c_str());
        return;
    }
    report(out, "read", e->name, count_atoms(e), seconds);
}

}  // namespace

int main() {
    char dir[] = "/tmp/korvi-bench-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string path = std::string(dir) + "/lattice.jkl";
    for (const Series& s : kSeries) {
        for (int shells : s.shells) {
            if (shells == 0) continue;
            in_child([&](std::FILE* out) { generate_and_write(out, s.type, shells, path); });
            in_child([&](std::FILE* out) { read_back(out, path); });
        }
    }
    std::remove(path.c_str());
    rmdir(dir);
    return 0;
}
