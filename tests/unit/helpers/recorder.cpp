// Stands in for a started program. It writes how it was started to the file named by
// RECORDER_OUT, one item a line: command line, current directory, start-up flags, show
// state, process id, thread id. RECORDER_SLEEP_MS makes it sleep before writing, so the
// record appears only when it is about to end; RECORDER_EXIT_CODE sets its exit code.

#include "tests/support/current_directory.h"

#include <cstdlib>
#include <fstream>
#include <string>

#include <windows.h>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

void Record(const std::string& path) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const std::string part = path + ".part";
    {
        std::ofstream out(part, std::ios::binary);
        out << GetCommandLineA() << '\n'
            << CurrentDirectory() << '\n'
            << startup.dwFlags << '\n'
            << startup.wShowWindow << '\n'
            << GetCurrentProcessId() << '\n'
            << GetCurrentThreadId() << '\n';
    }
    // Moved into place whole, so a test never reads half a record.
    MoveFileExA(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string sleep = Environment("RECORDER_SLEEP_MS");
    if (!sleep.empty()) {
        Sleep(static_cast<DWORD>(std::stoul(sleep)));
    }
    const std::string out = Environment("RECORDER_OUT");
    if (!out.empty()) {
        Record(out);
    }
    const std::string exitCode = Environment("RECORDER_EXIT_CODE");
    return exitCode.empty() ? 0 : std::stoi(exitCode);
}
