// The comment lines and the table of a sampling run.
#include "perm/sampling_report.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "base/format.h"

namespace {

double as_double(float value) {
    return static_cast<double>(value);
}

}  // namespace

std::string exp10_text(double log_value, int digits) {
    if (std::isnan(log_value)) return "nan";
    if (log_value == -std::numeric_limits<double>::infinity()) return "0";
    if (log_value == std::numeric_limits<double>::infinity()) return "inf";
    const double decimal = log_value / std::log(10.0);
    double exponent = std::floor(decimal);
    const double mantissa = std::pow(10.0, decimal - exponent);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits - 1, mantissa);
    if (std::atof(text) >= 10.0) {  // rounded up to the next power of ten
        exponent += 1.0;
        std::snprintf(text, sizeof text, "%.*f", digits - 1, mantissa / 10.0);
    }
    char power[32];
    std::snprintf(power, sizeof power, "e%c%02.0f", exponent < 0.0 ? '-' : '+', std::abs(exponent));
    return std::string(text) + power;
}

std::string outer_shell_warning(const SamplingReport& report) {
    const PermResult& r = report.result;
    if (r.outer_shell_walks == 0) return "";
    return formatted("%lld of %lld walks of %d steps (%.3g%%) reached the lattice's outer shell "
                     "(shell %d): the lattice is too small for them, and Z_N counts only the "
                     "walks that fit in it",
                     r.outer_shell_walks, r.walks, report.options->steps,
                     100.0 * static_cast<double>(r.outer_shell_walks) /
                         static_cast<double>(r.walks),
                     report.outer_shell);
}

void write_sampling_table(std::FILE* fp, const SamplingReport& report) {
    const PermOptions& o = *report.options;
    const PermResult& r = report.result;
    const LengthEstimate& last = r.z.back();
    std::fprintf(fp, "# korvi-perm: self-avoiding walks of %d steps from the origin of %s "
                     "(lattice shift %g, outer shell %d)\n",
                 o.steps, report.lattice_name.c_str(), as_double(o.shift), report.outer_shell);
    if (o.radius > 0.0f)
        std::fprintf(fp, "# first sphere: radius %g, centre at x = %g\n", as_double(o.radius),
                     as_double(o.distance));
    else
        std::fputs("# first sphere: none\n", fp);
    std::fprintf(fp, "# walk parameters: A %g, lambda %g, E %g\n",
                 as_double(o.parameters.strength), as_double(o.parameters.range),
                 as_double(o.parameters.gauche_energy));
    std::fprintf(fp, "# seed %d: %d batches of %d tours, %lld tours; errors are standard errors "
                     "of the mean of the batches\n",
                 o.seed, o.batches, o.tours, r.tours);
    std::fprintf(fp, "# Z_N = %s +- %s\n", exp10_text(last.log_z, 6).c_str(),
                 exp10_text(last.log_z + std::log(last.error), 2).c_str());
    std::fprintf(fp, "# ln Z_N = %.6f +- %.3g\n", last.log_z, last.error);
    std::fprintf(fp, "# walks of %d steps: %lld, n_eff %.1f; ", o.steps, r.walks,
                 r.effective_walks);
    if (report.walk_name.empty())
        std::fputs("none written\n", fp);
    else
        std::fprintf(fp, "written to %s: %lld, n_eff %.1f\n", report.walk_name.c_str(),
                     report.written, report.written_effective);
    std::fprintf(fp, "# steps placed: %lld\n", r.steps);
    const std::string warning = outer_shell_warning(report);
    if (!warning.empty()) std::fprintf(fp, "# warning: %s\n", warning.c_str());
    std::fputs("# n\tln_Z\tln_Z_err\n", fp);
    for (std::size_t n = 0; n < r.z.size(); ++n)
        std::fprintf(fp, "%zu\t%.6f\t%.3g\n", n, r.z[n].log_z, r.z[n].error);
}
