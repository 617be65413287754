// Whether two names refer to the same existing file, so that a run never
// overwrites one of its inputs.
#include "driver/same_file.h"

#include <sys/stat.h>

bool same_file(const char* a, const char* b) {
    struct stat sa {};
    struct stat sb {};
    if (stat(a, &sa) != 0 || stat(b, &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
