#pragma once

#include <chrono>
#include <string>

// Holds a named system mutex for its lifetime, so that processes using the same name take
// turns at what it guards. The wait is bounded and the guard never fails: when the mutex
// cannot be made, or another holder keeps it past the wait, the caller goes on without it.
// A mutex left behind by a holder that ended without releasing it counts as taken.
class TMutexGuard {
public:
    TMutexGuard(const std::string& name, std::chrono::milliseconds wait) noexcept;
    ~TMutexGuard();
    TMutexGuard(const TMutexGuard&) = delete;
    TMutexGuard& operator=(const TMutexGuard&) = delete;

    // False when the caller goes on unguarded.
    bool Owned() const noexcept { return owned_; }

private:
    void* mutex_ = nullptr;
    bool owned_ = false;
};
