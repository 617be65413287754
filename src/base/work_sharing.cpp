// Threads that take items from one counter, and the affinity mask.
#include "base/work_sharing.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

int available_cpus() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) return CPU_COUNT(&set);
    const unsigned machine = std::thread::hardware_concurrency();
    return machine > 0 ? static_cast<int>(machine) : 1;
}

void share_work(int threads, long count, const std::function<void(int thread, long item)>& work,
                const std::function<void(long done)>& progress) {
    std::atomic<long> next{0};
    long done = 0;  // guarded by `lock`
    std::mutex lock;
    std::condition_variable finished;
    auto run = [&](int thread) {
        for (long item = next++; item < count; item = next++) {
            work(thread, item);
            std::lock_guard<std::mutex> guard(lock);
            if (++done == count) finished.notify_one();
        }
    };
    std::vector<std::thread> pool;
    for (int t = 0; t < std::max(1, threads); ++t) pool.emplace_back(run, t);
    for (long reported = -1; reported < count;) {
        std::unique_lock<std::mutex> guard(lock);
        finished.wait_for(guard, std::chrono::milliseconds(250), [&] { return done == count; });
        reported = done;
        guard.unlock();
        // Called without the lock, so that no worker waits for the report.
        if (progress) progress(reported);
    }
    for (std::thread& thread : pool) thread.join();
}
