// Does the launcher's INI switch in rounds, in step with other copies of itself, for the test
// of copies that switch at the same moment. Started as "switcher NAME ROUNDS", it opens the
// semaphores NAME-ready, NAME-done and NAME-refused that the test made. In each round R it
// releases NAME-ready and, in the same call, waits for the manual-reset event NAME-go-R; once
// that is set it switches, releases NAME-refused when the write was refused, then NAME-done.
// Every wait ends after ten seconds with a message and exit code 2.

#include "framework/inifile.h"
#include "launcher/autostart.h"
#include "tests/support/unique_handle.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

namespace {

constexpr DWORD kTimeoutMs = 10000;

UniqueHandle Semaphore(const std::string& name) {
    UniqueHandle semaphore(
        OpenSemaphoreA(SEMAPHORE_MODIFY_STATE | SYNCHRONIZE, FALSE, name.c_str()));
    if (!semaphore) {
        std::fprintf(stderr, "switcher: no semaphore %s\n", name.c_str());
        std::exit(2);
    }
    return semaphore;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: switcher NAME ROUNDS\n");
        return 2;
    }
    const std::string name = argv[1];
    const int rounds = std::stoi(argv[2]);
    const UniqueHandle ready = Semaphore(name + "-ready");
    const UniqueHandle done = Semaphore(name + "-done");
    const UniqueHandle refused = Semaphore(name + "-refused");
    for (int round = 0; round < rounds; ++round) {
        // Whoever comes first makes it: the test or one of the copies.
        const UniqueHandle go(
            CreateEventA(nullptr, TRUE, FALSE, (name + "-go-" + std::to_string(round)).c_str()));
        // Ready and waiting in one step: no copy is let go while another is still on its way.
        if (!go || SignalObjectAndWait(ready.get(), go.get(), kTimeoutMs, FALSE) != WAIT_OBJECT_0) {
            std::fprintf(stderr, "switcher: no go for round %d within %lu ms\n", round, kTimeoutMs);
            return 2;
        }
        try {
            SwitchAutoStartOff();
        } catch (const EIniFileException&) {
            ReleaseSemaphore(refused.get(), 1, nullptr);
        }
        ReleaseSemaphore(done.get(), 1, nullptr);
    }
    return 0;
}
