// Times korvi-perm's probe sweep on one and on more threads and checks that
// the tables agree byte for byte. Settings as key=value words:
//
//   perm_sweep lattice=ldmd_30.jkl steps=100 tours=100 batches=20 seed=1
//              s=5 r=3 d=-25 t=0 p=0 S=5 R=5 D=0 [A= L= E=] threads=1,2 prefix=contact
//
// Each thread count writes PREFIX-jN.tsv (and .svg); one line per run gives
// its wall seconds, its processor seconds and the speed-up against the first.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "perm/sweep_run.h"

namespace {

double processor_seconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + 1e-6 * t.tv_usec; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string contents(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> words;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const auto equals = word.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "perm_sweep: expected key=value, got '%s'\n", argv[i]);
            return 2;
        }
        words[word.substr(0, equals)] = word.substr(equals + 1);
    }
    auto number = [&](const char* key, const char* otherwise) {
        return std::strtod(words.count(key) ? words[key].c_str() : otherwise, nullptr);
    };
    ProbeSweepSettings s;
    s.lattice_file = words["lattice"];
    s.steps = static_cast<int>(number("steps", "100"));
    s.tours_per_batch = static_cast<long long>(number("tours", "100"));
    s.batches = static_cast<int>(number("batches", "20"));
    s.seed = static_cast<long long>(number("seed", "1"));
    s.grid = {static_cast<float>(number("s", "5")), static_cast<float>(number("r", "3")),
              static_cast<float>(number("d", "-25")), static_cast<int>(number("t", "0")),
              static_cast<int>(number("p", "0"))};
    s.first = {static_cast<float>(number("S", "5")), static_cast<float>(number("R", "5")),
               static_cast<float>(number("D", "0"))};
    s.parameters = {static_cast<float>(number("A", "0")), static_cast<float>(number("L", "0")),
                    static_cast<float>(number("E", "0"))};
    const std::string prefix = words.count("prefix") ? words["prefix"] : "perm_sweep";
    std::vector<int> thread_counts;
    std::istringstream list(words.count("threads") ? words["threads"] : "1,2");
    for (std::string item; std::getline(list, item, ',');) thread_counts.push_back(std::stoi(item));

    double first_wall = 0.0;
    std::string first_table;
    for (int threads : thread_counts) {
        const std::string name = prefix + "-j" + std::to_string(threads);
        SweepRunOptions options;
        options.threads = threads;
        options.output_prefix = name.c_str();
        const double cpu = processor_seconds();
        const auto start = std::chrono::steady_clock::now();
        if (!run_probe_sweep(s, options, stdout)) return 1;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (first_wall == 0.0) {
            first_wall = wall;
            first_table = contents(name + ".tsv");
        }
        std::printf("threads %d: %.2f s wall, %.2f s processor, speed-up %.2f, table %s\n", threads,
                    wall, processor_seconds() - cpu, first_wall / wall,
                    contents(name + ".tsv") == first_table ? "the same" : "DIFFERS");
        std::fflush(stdout);
    }
    return 0;
}
