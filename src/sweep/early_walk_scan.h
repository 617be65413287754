// The walk file read and indexed on a thread of its own while the lattice is
// read: a .lwk file of the writer's own form needs nothing of the lattice but
// its vertex count, which is checked when the result is taken.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <stop_token>
#include <thread>

class EnsembleBuilder;
struct WalkEnsemble;

class EarlyWalkScan {
public:
    // Starts reading the file `name` when it is a regular file. Destroyed,
    // it stops the reading where it is and waits for it.
    EarlyWalkScan(const char* name, std::size_t budget);
    ~EarlyWalkScan();
    EarlyWalkScan(const EarlyWalkScan&) = delete;
    EarlyWalkScan& operator=(const EarlyWalkScan&) = delete;

    // Waits for the reading. True when it read the file open as fp, found it
    // of the writer's own form with no vertex number beyond n, and had the
    // same budget: *ensemble is then what read_walk_ensemble returns. Once.
    bool take(std::FILE* fp, int n, std::size_t budget, std::unique_ptr<WalkEnsemble>* ensemble);

private:
    void scan(std::stop_token stop);

    int fd_ = -1;
    std::size_t budget_;
    std::unique_ptr<EnsembleBuilder> builder_;  // on the thread; null: the file has another form
    std::atomic<bool> ready_{false};            // the thread is done with builder_
    std::jthread thread_;
};
