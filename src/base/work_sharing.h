// Independent items of work shared out over threads, and how many processors
// the process may run on.
#pragma once

#include <functional>

// The processors this process may run on (its affinity mask, as a batch
// system sets it), else those of the machine; at least 1.
int available_cpus();

// Calls work(thread, item) once for every item 0 ... count - 1, on `threads`
// threads (thread 0 ... threads - 1) that take the next item as they become
// free, so unequal items still keep every thread busy. Meanwhile the calling
// thread calls progress(done) (when set) about four times a second and once
// at the end. Whatever work writes per item or per thread needs no lock.
void share_work(int threads, long count, const std::function<void(int thread, long item)>& work,
                const std::function<void(long done)>& progress = {});
