#include "tests/support/pump.h"

bool PumpUntil(TApplication& application, const std::function<bool()>& done, DWORD timeoutMs) {
    const UINT_PTR ticker = SetTimer(nullptr, 0, 10, nullptr);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    bool reached = done();
    while (!reached && GetTickCount64() < deadline) {
        application.HandleMessage();
        reached = done();
    }
    KillTimer(nullptr, ticker);
    return reached;
}
