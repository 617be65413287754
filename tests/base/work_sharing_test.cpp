// Work shared out over threads: every item done once, by some thread, with
// the progress reported on the calling thread; the processors available.
#include "base/work_sharing.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(WorkSharing, EveryItemIsDoneOnceAndTheLastProgressCountsThemAll) {
    for (int threads : {1, 3, 8}) {
        std::vector<int> done_by(1000, -1);
        std::vector<long> per_thread(static_cast<std::size_t>(threads), 0);
        std::vector<long> reports;
        const std::thread::id caller = std::this_thread::get_id();
        share_work(
            threads, 1000,
            [&](int thread, long item) {
                EXPECT_EQ(done_by[static_cast<std::size_t>(item)], -1);
                done_by[static_cast<std::size_t>(item)] = thread;
                ++per_thread[static_cast<std::size_t>(thread)];
            },
            [&](long done) {
                EXPECT_EQ(std::this_thread::get_id(), caller);
                reports.push_back(done);
            });
        long total = 0;
        for (long count : per_thread) total += count;
        EXPECT_EQ(total, 1000);
        for (int thread : done_by) EXPECT_TRUE(thread >= 0 && thread < threads);
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back(), 1000);
    }
}

TEST(WorkSharing, NoItemsAndNoThreadsStillReturn) {
    int calls = 0;
    share_work(4, 0, [&](int, long) { ++calls; });
    share_work(0, 5, [&](int thread, long) { calls += thread == 0; });
    EXPECT_EQ(calls, 5);
    EXPECT_GE(available_cpus(), 1);
}
