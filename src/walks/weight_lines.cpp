// Writing and reading the weight lines of walks sampled with weights.
#include "walks/weight_lines.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/format.h"

namespace {

constexpr char kPrefix[] = "# ln_weight ";

}  // namespace

std::string weight_comment(double log_weight, long long tour) {
    return formatted("ln_weight %.17g tour %lld", log_weight, tour);
}

bool read_weight_comment(const char* line, double* log_weight, long long* tour) {
    if (std::strncmp(line, kPrefix, sizeof kPrefix - 1) != 0) return false;
    double value = 0.0;
    long long number = 0;
    int used = 0;
    if (std::sscanf(line + sizeof kPrefix - 1, "%lf tour %lld%n", &value, &number, &used) != 2)
        return false;
    const char* rest = line + sizeof kPrefix - 1 + used;
    if (rest[std::strspn(rest, " \t\r\n")] != '\0') return false;
    *log_weight = value;
    *tour = number;
    return true;
}

WeightLines read_weight_lines(std::FILE* fp) {
    WeightLines lines;
    std::rewind(fp);
    char* line = nullptr;
    std::size_t size = 0;
    bool in_record = false;
    double weight = NAN;
    long long tour = -1;
    while (getline(&line, &size, fp) >= 0) {
        if (in_record) {
            in_record = std::strstr(line, "$$$$") == nullptr;
        } else if (line[0] == '#') {
            read_weight_comment(line, &weight, &tour);
        } else {
            if (std::strcspn(line, "\r\n") == 0) break;  // an empty line
            lines.log_weights.push_back(weight);
            lines.tours.push_back(tour);
            if (tour >= 0) ++lines.weighted;
            weight = NAN;
            tour = -1;
            in_record = true;
        }
    }
    std::free(line);
    return lines;
}
