#include "framework/mutexguard.h"

#include <windows.h>

TMutexGuard::TMutexGuard(const std::string& name, std::chrono::milliseconds wait) noexcept
    // Only the rights a turn needs: a holder in another account may grant no more.
    : mutex_(CreateMutexExA(nullptr, name.c_str(), 0, SYNCHRONIZE | MUTEX_MODIFY_STATE)) {
    if (mutex_ != nullptr) {
        const DWORD result = WaitForSingleObject(mutex_, static_cast<DWORD>(wait.count()));
        owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
}

TMutexGuard::~TMutexGuard() {
    if (owned_) {
        ReleaseMutex(mutex_);
    }
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}
