// Default and replaced extensions of file names; the overwrite guard.
#include "cli/file_names.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base/same_file.h"

char* Bfil_ext(const char* name, const char* extension, int replace, char* out) {
    if (!name || !out) return nullptr;
    if (out != name) std::strcpy(out, name);
    if (!extension) return out;
    char* slash = std::strrchr(out, '/');
    char* file = slash ? slash + 1 : out;
    char* dot = std::strchr(file, '.');
    if (!dot) {
        if (extension[0] != '.') std::strcat(out, ".");
        std::strcat(out, extension);
    } else if (replace != 0) {
        std::strcpy(extension[0] == '.' ? dot : dot + 1, extension);
    }
    return out;
}

std::string with_extension(const char* name, const char* extension, int replace) {
    std::string full(std::strlen(name) + (extension ? std::strlen(extension) : 0) + 2, '\0');
    Bfil_ext(name, extension, replace, full.data());
    full.resize(std::strlen(full.c_str()));
    return full;
}

bool build_file_name(const char* name, const char* extension, int replace, char* out) {
    const std::string full = with_extension(name, extension, replace);
    if (full.size() >= static_cast<std::size_t>(kFileNameSize)) {
        std::fprintf(stderr, "File name too long (at most %d characters): %s\n", kFileNameSize - 1,
                     full.c_str());
        return false;
    }
    std::memcpy(out, full.c_str(), full.size() + 1);
    return true;
}

bool would_overwrite_input(const std::string& output, const char* input) {
    if (!same_file(output.c_str(), input)) return false;
    std::fprintf(stderr, "The output %s would overwrite the input %s!\n", output.c_str(), input);
    return true;
}
