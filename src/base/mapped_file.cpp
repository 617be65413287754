// Read-only mappings of whole files.
#include "base/mapped_file.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

// Pages are read in ahead and given back behind in steps of this many bytes,
// not page by page (a page fault each) nor after every record.
constexpr std::size_t kStep = std::size_t{1} << 20;

std::size_t page_size() {
    static const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return page;
}

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
    read_ahead_to(0);
}

MappedFile::~MappedFile() {
    if (data_) munmap(const_cast<char*>(data_), size_);
}

void MappedFile::advance_to(std::size_t offset) {
    if (!data_) return;
    read_ahead_to(offset);
    const std::size_t end = offset / page_size() * page_size();
    if (end < released_ + kStep) return;
    madvise(const_cast<char*>(data_) + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

void MappedFile::read_ahead_to(std::size_t offset) {
    // Whole pages from a page boundary on, up to the end of the file.
    const std::size_t ahead = (offset + 2 * kStep + page_size() - 1) / page_size() * page_size();
    const std::size_t want = std::min(size_, ahead);
    if (want <= populated_ || (want < size_ && want < populated_ + kStep)) return;
    // Where the system cannot populate in advance, pages fault in as read.
    madvise(const_cast<char*>(data_) + populated_, want - populated_, MADV_POPULATE_READ);
    populated_ = want;
}
