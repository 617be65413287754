// Whether two names refer to the same existing file, so that a run never
// overwrites one of its inputs, and whether two open files are the same file
// in the same state, so that what one thread read serves the other.
#include "base/same_file.h"

#include <sys/stat.h>

namespace {

bool same_identity(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool same_file(const char* a, const char* b) {
    struct stat sa {};
    struct stat sb {};
    return stat(a, &sa) == 0 && stat(b, &sb) == 0 && same_identity(sa, sb);
}

bool same_unchanged_file(int fd1, int fd2) {
    struct stat a {};
    struct stat b {};
    return fstat(fd1, &a) == 0 && fstat(fd2, &b) == 0 && same_identity(a, b) &&
           a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}
