// The jackknife error and the logarithm of a sum of exponentials.
#include "sweep/jackknife.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

}  // namespace

Estimate jackknife(const Replicates& all) {
    const double value = all[0];
    const auto blocks = static_cast<double>(all.size() - 1);
    if (!std::isfinite(value) || all.size() < 3) return {value, kNan};
    double mean = 0.0;
    for (std::size_t j = 1; j < all.size(); ++j) {
        if (!std::isfinite(all[j])) return {value, kInfinity};
        mean += all[j];
    }
    mean /= blocks;
    double squares = 0.0;
    for (std::size_t j = 1; j < all.size(); ++j) squares += (all[j] - mean) * (all[j] - mean);
    return {value, std::sqrt((blocks - 1.0) / blocks * squares)};
}

double log_sum_exp(const std::vector<double>& terms, int skip) {
    double largest = -kInfinity;
    for (std::size_t b = 0; b < terms.size(); ++b)
        if (static_cast<int>(b) != skip && terms[b] > largest) largest = terms[b];
    if (largest == -kInfinity) return largest;
    double sum = 0.0;
    for (std::size_t b = 0; b < terms.size(); ++b)
        if (static_cast<int>(b) != skip) sum += std::exp(terms[b] - largest);
    return largest + std::log(sum);
}
