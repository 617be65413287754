// Drawing the profile with gnuplot through a pipe.
#include "stats/profile_plot.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "stats/stats_table.h"

namespace {

// A gnuplot string in single quotes, which take no escapes but '' for '.
std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) result += c == '\'' ? std::string("''") : std::string(1, c);
    return result + "'";
}

std::string column(const char* name) { return std::to_string(stats_column(name)); }

// One curve of the distance rows: the column and its error as error bars.
std::string curve(const std::string& table, const char* value, const std::string& error,
                  const char* title, const char* colour) {
    return quoted(table) + " using (strcol(1) eq 'distance' ? $" + column("dist") + " : NaN):" +
           column(value) + ":" + column(error.c_str()) + " with yerrorlines lw 1.5 pt 7 ps 0.6 lc rgb '" +
           colour + "' title " + quoted(title);
}

std::string panel(const std::string& table, const char* value, bool weighted,
                  const std::string& ylabel) {
    std::string error = std::string(value) + "_err";
    std::string weighted_value = std::string(value) + "_w";
    std::string line = "set ylabel " + quoted(ylabel) + "\nplot " +
                       curve(table, value, error, "by count", "#1f4e9a");
    if (weighted)
        line += ", \\\n     " + curve(table, (weighted_value).c_str(), weighted_value + "_err",
                                       "Rosenbluth-weighted", "#c0392b");
    return line + "\n";
}

}  // namespace

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

std::string profile_script(const std::string& table, const std::string& svg,
                           const std::string& title, bool weighted) {
    return "set terminal svg size 720,860 dynamic noenhanced font 'sans,12' background rgb 'white'\n"
           "set output " + quoted(svg) + "\n"
           "set datafile separator '\\t'\n"
           "set grid lc rgb '#dddddd'\n"
           "set key top right\n"
           "set multiplot layout 2,1 title " + quoted(title) + "\n"
           "set xlabel 'probe distance'\n" +
           panel(table, "free_energy", weighted,
                 "free energy -ln(untouched fraction), over directions") +
           panel(table, "area", weighted, "excluded area A*dist^2") +
           "unset multiplot\n"
           "set output\n";
}

bool draw_profile(const std::string& table, const std::string& svg, const std::string& title,
                  bool weighted) {
    if (!gnuplot_available()) {
        std::fprintf(stderr, "gnuplot was not found: %s not drawn (the table is in %s)\n",
                     svg.c_str(), table.c_str());
        return false;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::FILE* pipe = popen("gnuplot", "w");
    if (!pipe) {
        std::perror("gnuplot");
        return false;
    }
    std::string script = profile_script(table, svg, title, weighted);
    std::fputs(script.c_str(), pipe);
    int status = pclose(pipe);
    if (status != 0) {
        std::fprintf(stderr, "gnuplot failed (status %d): %s not drawn\n",
                     WIFEXITED(status) ? WEXITSTATUS(status) : status, svg.c_str());
        return false;
    }
    return true;
}
