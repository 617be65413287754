// Default and replaced extensions of file names.
#include "driver/file_names.h"

#include <cstring>

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
