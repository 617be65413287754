// A second thread for work beside the main thread's, started on another CPU.
#pragma once

#include <pthread.h>
#include <sched.h>

#include <functional>

// A thread made while its parent is busy may wait on the parent's CPU until
// the scheduler moves it, which takes milliseconds; made on another CPU
// allowed to the process, it starts at once there. Once started it may run
// on every CPU allowed to the process again.
// CPUs this process may run on (1 when the system does not say).
int cpus_allowed();

class SideThread {
public:
    SideThread() = default;
    // Waits for the thread's end.
    ~SideThread();
    SideThread(const SideThread&) = delete;
    SideThread& operator=(const SideThread&) = delete;

    // Runs body on a new thread; false when the system gives no thread.
    bool start(std::function<void()> body);
    bool running() const { return started_; }
    // Waits for the thread's end.
    void join();

private:
    static void* run(void* self);

    std::function<void()> body_;
    pthread_t thread_{};
    bool started_ = false;
    bool placed_ = false;  // made on another CPU than its parent's
    cpu_set_t allowed_{};  // the CPUs allowed to the process
};
