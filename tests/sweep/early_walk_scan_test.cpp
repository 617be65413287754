// The walk file read ahead on a thread of its own: taken only for the very
// file the run opened, with the same budget and no vertex number beyond the
// lattice, and then alike to the ensemble read once the lattice is known.
#include "sweep/early_walk_scan.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/files.h"
#include "sweep/walk_ensemble.h"

namespace {

constexpr std::size_t kBudget = std::size_t{1} << 24;

// Walks in the walk file writer's form with vertex numbers 1 ... largest, a
// new parameter pair every seventh walk.
std::string written_walks(int walks, int largest) {
    std::string text = "# generated\n";
    int number = 0;
    for (int w = 1; w <= walks; ++w) {
        const int count = 1 + w % 9;
        text += "w" + std::to_string(w) + "\t" + std::to_string(count) + "\n";
        text += (w / 7 % 2 ? "0.500000" : "0.000000") + std::string("\t1.000000\t0.000000\n");
        for (int i = 0; i < count; ++i) {
            number = number % largest + 1;
            text += std::to_string(number) + "\t6" + (i % 5 == 4 || i + 1 == count ? "\n" : "\t");
        }
        text += "$$$$\n";
    }
    return text;
}

class OpenFile {
public:
    explicit OpenFile(const std::filesystem::path& path) : fp_(std::fopen(path.c_str(), "r")) {}
    ~OpenFile() {
        if (fp_) std::fclose(fp_);
    }
    std::FILE* get() const { return fp_; }

private:
    std::FILE* fp_;
};

// The walks each lattice vertex leads to, as the index gives them.
std::vector<std::vector<std::uint64_t>> walks_by_vertex(const WalkEnsemble& e, int n) {
    std::vector<std::vector<std::uint64_t>> sets;
    for (int v = 0; v < n; ++v) {
        sets.emplace_back(e.index.words(), 0);
        e.index.add_walks_at(v, sets.back().data());
    }
    return sets;
}

void expect_alike(const WalkEnsemble& got, const WalkEnsemble& want, int n) {
    EXPECT_EQ(got.count, want.count);
    EXPECT_EQ(got.strength, want.strength);
    EXPECT_EQ(got.distance, want.distance);
    EXPECT_EQ(got.run_starts, want.run_starts);
    ASSERT_EQ(got.passages.size(), want.passages.size());
    for (std::size_t i = 0; i < got.passages.size(); ++i) {
        EXPECT_EQ(got.passages[i].walk, want.passages[i].walk);
        EXPECT_EQ(got.passages[i].printed.text, want.passages[i].printed.text);
    }
    EXPECT_EQ(walks_by_vertex(got, n), walks_by_vertex(want, n));
}

// Whether a scan of dir/name started with `budget` is taken for the file
// open as fp, a lattice of n vertices and the run's budget `asked`.
bool taken(const TempDir& dir, const char* name, std::size_t budget, std::FILE* fp, int n,
           std::size_t asked, std::unique_ptr<WalkEnsemble>* got) {
    return EarlyWalkScan((dir / name).c_str(), budget).take(fp, n, asked, got);
}

}  // namespace

// The scan's thread works while the main thread reads the lattice: here the
// main thread builds the ensemble of its own from the same file meanwhile,
// and several scans run at once; each scan's result is the one read
// afterwards, for the lattice the file was written for or a larger one.
TEST(EarlyWalkScan, RunsBesideTheMainThreadsWorkAndOtherScansAndGivesTheEnsembleReadLater) {
    TempDir dir;
    // Vertex number 0 lies outside every lattice: its reports come along.
    write_file(dir / "w.lwk",
               written_walks(5000, 300) + "z\t2\n0.000000\t0.000000\t0.000000\n0\t6\t3\t6\n$$$$\n");
    // A vertex number beyond the count of steps: the index waits for the lattice.
    write_file(dir / "far.lwk", "# far\nf\t2\n0.000000\t0.000000\t0.000000\n1\t6\t50\t6\n$$$$\n");
    for (const auto& [name, n] : {std::pair{"w.lwk", 300}, {"w.lwk", 357}, {"far.lwk", 50}}) {
        SCOPED_TRACE(testing::Message() << name << ", " << n << " vertices");
        OpenFile file(dir / name);
        std::vector<std::unique_ptr<EarlyWalkScan>> scans;
        for (int i = 0; i < 3; ++i)
            scans.push_back(std::make_unique<EarlyWalkScan>((dir / name).c_str(), kBudget));
        const std::unique_ptr<WalkEnsemble> want =
            read_walk_ensemble(file.get(), false, n, kBudget);
        ASSERT_TRUE(want);
        EXPECT_EQ(want->count, n == 50 ? 1 : 5001);
        EXPECT_EQ(want->passages.size(), n == 50 ? 0u : 1u);
        for (auto& scan : scans) {
            std::unique_ptr<WalkEnsemble> got;
            ASSERT_TRUE(scan->take(file.get(), n, kBudget, &got));
            ASSERT_TRUE(got);
            expect_alike(*got, *want, n);
            EXPECT_FALSE(scan->take(file.get(), n, kBudget, &got));  // once
        }
    }
}

TEST(EarlyWalkScan, IsNotTakenForAnotherFileBudgetOrFormASmallerLatticeOrANamedPipe) {
    TempDir dir;
    const std::string text = written_walks(50, 30);
    write_file(dir / "w.lwk", text);
    write_file(dir / "copy.lwk", text);
    write_file(dir / "other.lwk", text.substr(0, text.size() - 1));  // no final line feed
    // Opening a pipe without a writer for reading would wait for one.
    ASSERT_EQ(mkfifo((dir / "pipe.lwk").c_str(), 0600), 0);
    OpenFile file(dir / "w.lwk");
    OpenFile copy(dir / "copy.lwk");
    OpenFile other(dir / "other.lwk");
    std::unique_ptr<WalkEnsemble> got;
    EXPECT_FALSE(taken(dir, "w.lwk", kBudget, file.get(), 29, kBudget, &got));
    EXPECT_FALSE(taken(dir, "w.lwk", kBudget, copy.get(), 30, kBudget, &got));
    EXPECT_FALSE(taken(dir, "w.lwk", kBudget, file.get(), 30, kBudget / 2, &got));
    EXPECT_FALSE(taken(dir, "other.lwk", kBudget, other.get(), 30, kBudget, &got));
    EXPECT_FALSE(taken(dir, "pipe.lwk", kBudget, file.get(), 30, kBudget, &got));
    EXPECT_FALSE(taken(dir, "missing.lwk", kBudget, file.get(), 30, kBudget, &got));
    EXPECT_FALSE(got);

    // Over the budget the answer is the reader's: no ensemble, stream instead.
    ASSERT_TRUE(taken(dir, "w.lwk", 100, file.get(), 30, 100, &got));
    EXPECT_FALSE(got);
    EXPECT_FALSE(read_walk_ensemble(file.get(), false, 30, 100));
}

TEST(EarlyWalkScan, StopsWhenLeftBeforeItsEnd) {
    TempDir dir;
    write_file(dir / "w.lwk", written_walks(20000, 500));
    for (int i = 0; i < 20; ++i) EarlyWalkScan((dir / "w.lwk").c_str(), kBudget);
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)  // they reserve terabytes of address space
// Reads the walk file early and late under an address-space limit of half
// its size more than in use, where neither its mapping nor its steps nor a
// thread's stack fit; ends the process with status 0 when both ways
// refused the ensemble (the sweep then streams).
static void read_with_little_memory(const std::filesystem::path& path, std::size_t size) {
    unsigned long pages = 0;  // address space in use
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm || std::fscanf(statm, "%lu", &pages) != 1) std::exit(2);
    std::fclose(statm);
    const rlim_t limit = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + size / 2;
    const rlimit space{limit, limit};
    setrlimit(RLIMIT_AS, &space);
    constexpr std::size_t kLargeBudget = std::size_t{1} << 32;
    OpenFile file(path);
    std::unique_ptr<WalkEnsemble> early;
    const bool taken =
        EarlyWalkScan(path.c_str(), kLargeBudget).take(file.get(), 500, kLargeBudget, &early);
    const bool refused =
        (!taken || !early) && !read_walk_ensemble(file.get(), false, 500, kLargeBudget);
    std::exit(refused ? 0 : 1);
}

TEST(WalkEnsemble, IsRefusedRatherThanTheRunEndedWithoutMemoryForIt) {
    TempDir dir;
    const std::string text = written_walks(200000, 500);
    write_file(dir / "w.lwk", text);
    EXPECT_EXIT(read_with_little_memory(dir / "w.lwk", text.size()), testing::ExitedWithCode(0),
                "");
}
#endif
