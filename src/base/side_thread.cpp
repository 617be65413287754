// Starting a thread on another CPU than its parent's.
#include "base/side_thread.h"

#include <utility>

int cpus_allowed() {
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return 1;
    return CPU_COUNT(&allowed);
}

SideThread::~SideThread() {
    join();
}

bool SideThread::start(std::function<void()> body) {
    if (started_) return false;
    body_ = std::move(body);
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) return false;
    const int here = sched_getcpu();
    placed_ = false;
    if (here >= 0 && sched_getaffinity(0, sizeof allowed_, &allowed_) == 0) {
        cpu_set_t elsewhere = allowed_;
        CPU_CLR(here, &elsewhere);
        placed_ = CPU_COUNT(&elsewhere) > 0 &&
                  pthread_attr_setaffinity_np(&attributes, sizeof elsewhere, &elsewhere) == 0;
    }
    started_ = pthread_create(&thread_, &attributes, &SideThread::run, this) == 0;
    pthread_attr_destroy(&attributes);
    if (!started_ && placed_) {
        // The other CPUs may be gone since they were asked for: anywhere then.
        placed_ = false;
        started_ = pthread_create(&thread_, nullptr, &SideThread::run, this) == 0;
    }
    return started_;
}

void SideThread::join() {
    if (!started_) return;
    pthread_join(thread_, nullptr);
    started_ = false;
}

void* SideThread::run(void* self) {
    auto* side = static_cast<SideThread*>(self);
    if (side->placed_) pthread_setaffinity_np(pthread_self(), sizeof side->allowed_, &side->allowed_);
    side->body_();
    return nullptr;
}
