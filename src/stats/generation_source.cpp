// Reading the generating run's settings back from a walk file's comment.
#include "stats/generation_source.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "cli/option_parser.h"
#include "driver/korvi_options.h"
#include "walks/generation_comment.h"

namespace {

constexpr const char kPrefix[] = "# Korvi";

bool same(const GenerationSettings& a, const GenerationSettings& b) {
    return a.shift == b.shift && a.radius == b.radius && a.distance == b.distance;
}

}  // namespace

std::vector<std::string> korvi_command_lines(std::FILE* fp) {
    std::vector<std::string> lines;
    char* line = nullptr;
    std::size_t size = 0;
    ssize_t length;
    std::rewind(fp);
    while ((length = getline(&line, &size, fp)) >= 0) {
        std::string text(line, static_cast<std::size_t>(length));
        text.erase(text.find_last_not_of("\r\n") + 1);
        if (text.compare(0, sizeof kPrefix - 1, kPrefix) != 0) continue;
        if (text.size() > sizeof kPrefix - 1 && text[sizeof kPrefix - 1] != ' ') continue;
        lines.push_back(text.substr(2));
    }
    std::free(line);
    return lines;
}

bool parse_command_line(const std::string& line, GenerationSettings& settings,
                        std::string& problem) {
    std::vector<std::string> words;
    std::istringstream split(line);
    for (std::string word; split >> word;) words.push_back(word);
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::int64_t values[kOptionCount] = {};
    int result = Bclnp_quiet(static_cast<int>(words.size()), argv.data(), kOptionCount,
                             korvi_options().entries(), values);
    if (result == -1) {
        problem = "its run read options from a file";
        return false;
    }
    if (result == kNumberRefused) {
        problem = "it holds a number korvi refuses";
        return false;
    }
    if (result < 1) {
        problem = "it holds no options korvi reads";
        return false;
    }
    Settings run = read_settings(values, 0, 0, nullptr);
    if (run.shells != 0 || run.convert || run.extension <= 0) {
        problem = "it is not a run that generated walks";
        return false;
    }
    settings.shift = run.shift;
    settings.radius = run.radius;
    settings.distance = run.distance;
    return true;
}

bool generation_from_lines(const std::vector<std::string>& lines, GenerationSettings& settings,
                           std::string& problem) {
    if (lines.empty()) {
        problem = "the walk file names no generating run (no '# Korvi ...' comment line) and "
                  "none of -S, -R, -D was given";
        return false;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() >= kCommandLineLimit) {
            problem = "the comment line '" + lines[i] + "' has the length korvi cuts command " +
                      "lines to (" + std::to_string(kCommandLineLimit) +
                      " characters) and may lack options of the generating run; give its -s, -r " +
                      "and -d as -S, -R, -D";
            return false;
        }
        GenerationSettings read;
        std::string why;
        if (!parse_command_line(lines[i], read, why)) {
            problem = "the comment line '" + lines[i] + "' cannot be used: " + why;
            return false;
        }
        if (i > 0 && !same(read, settings)) {
            problem = "the walk file joins runs with different -s, -r or -d ('" + lines[0] +
                      "', '" + lines[i] + "')";
            return false;
        }
        settings = read;
    }
    return true;
}
