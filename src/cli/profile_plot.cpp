// Drawing the profile with gnuplot through a pipe.
#include "cli/profile_plot.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A gnuplot string in single quotes, which take no escapes but '' for '.
std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) result += c == '\'' ? std::string("''") : std::string(1, c);
    return result + "'";
}

// A number of the data block; gnuplot leaves out a point whose value is NaN.
std::string datum(double value) {
    if (!std::isfinite(value)) return " NaN";
    char text[32];
    std::snprintf(text, sizeof text, " %.10g", value);
    return text;
}

// Columns: distance, then value and error of the free energy and of the
// area, by count and by weight.
std::string data_block(const std::vector<ProfileRow>& rows) {
    std::string block = "$profile << EOD\n";
    for (const ProfileRow& row : rows) {
        if (row.kind != RowKind::kDistance) continue;
        block += datum(row.dist);
        // A value whose error the data cannot tell (nan) is drawn without a bar.
        for (const Estimate& e : {row.counted.free_energy, row.weighted.free_energy,
                                  row.counted.area, row.weighted.area})
            block += datum(e.value) + datum(std::isnan(e.error) ? 0.0 : e.error);
        block += "\n";
    }
    return block + "EOD\n";
}

// One panel: the quantity in columns `first` (value) and first + 1 (error)
// by count, and in first + 2, first + 3 by weight.
std::string panel(int first, bool weighted, const std::string& ylabel) {
    auto curve = [](int column, const char* colour, const char* title) {
        return "$profile using 1:" + std::to_string(column) + ":" + std::to_string(column + 1) +
               " with yerrorlines lw 1.5 pt 7 ps 0.6 lc rgb '" + colour + "' title '" + title + "'";
    };
    std::string plot =
        "set ylabel " + quoted(ylabel) + "\nplot " + curve(first, "#1f4e9a", "by count");
    if (weighted) plot += ", \\\n     " + curve(first + 2, "#c0392b", "Rosenbluth-weighted");
    return plot + "\n";
}

// True when a program named gnuplot is on the PATH.
bool gnuplot_available() {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string dirs = path;
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string dir = end > start ? dirs.substr(start, end - start) : ".";
        if (access((dir + "/gnuplot").c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// The script draw_profile runs; the numbers travel inside it.
std::string profile_script(const std::vector<ProfileRow>& rows, const std::string& svg,
                           const std::string& title, bool weighted) {
    return data_block(rows) +
           "set terminal svg size 720,860 dynamic noenhanced font 'sans,12' background rgb "
           "'white'\n"
           "set output " +
           quoted(svg) +
           "\n"
           "set grid lc rgb '#dddddd'\n"
           "set offsets graph 0.04, graph 0.04, graph 0.08, 0\n"
           "set key top right\n"
           "set multiplot layout 2,1 title " +
           quoted(title) +
           "\n"
           "set xlabel 'probe distance'\n" +
           panel(2, weighted, "free energy -ln(untouched fraction), directions averaged") +
           panel(6, weighted, "excluded area A*dist^2") +
           "unset multiplot\n"
           "set output\n";
}

}  // namespace

bool draw_profile(const std::vector<ProfileRow>& rows, const std::string& svg,
                  const std::string& title, bool weighted) {
    if (!gnuplot_available()) {
        std::fprintf(stderr, "gnuplot was not found: %s not drawn\n", svg.c_str());
        return false;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::FILE* pipe = popen("gnuplot", "w");
    if (!pipe) {
        std::perror("gnuplot");
        return false;
    }
    std::fputs(profile_script(rows, svg, title, weighted).c_str(), pipe);
    int status = pclose(pipe);
    if (status != 0) {
        std::fprintf(stderr, "gnuplot failed (status %d): %s not drawn\n",
                     WIFEXITED(status) ? WEXITSTATUS(status) : status, svg.c_str());
        return false;
    }
    return true;
}
