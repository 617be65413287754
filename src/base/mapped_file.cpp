// Read-only mappings of whole files.
#include "base/mapped_file.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Pages are given back in steps of this many bytes, not after every record.
constexpr std::size_t kReleaseStep = std::size_t{1} << 20;

}  // namespace

MappedFile::MappedFile(int fd) {
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return;
    size_ = static_cast<std::size_t>(status.st_size);
    mapped_ = true;
    if (size_ == 0) return;
    void* data = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
    if (data == MAP_FAILED) {
        size_ = 0;
        mapped_ = false;
        return;
    }
    madvise(data, size_, MADV_SEQUENTIAL);
    data_ = static_cast<const char*>(data);
}

MappedFile::~MappedFile() {
    if (data_) munmap(const_cast<char*>(data_), size_);
}

void MappedFile::release_before(std::size_t offset) {
    static const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t end = offset / page * page;
    if (!data_ || end < released_ + kReleaseStep) return;
    madvise(const_cast<char*>(data_) + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}
