// Stands in for the suite's installer, Setup1.exe. Each start appends one line to Setup1.log
// beside the program: the time, the command line, the working directory, the start-up flags
// and show state, and the suite's automatic-start switch as the INI file holds it at that
// moment, so a test can tell which starts happened before and after the switch. Then it ends.

#include "tests/support/beside_this_program.h"
#include "tests/support/current_directory.h"

#include <cstdio>
#include <string>

#include <windows.h>

namespace {

constexpr const char* kSuiteIni = "C:\\Program Files\\Quillmark\\Quillmark.Ini";

std::string AutoStartSwitch() {
    const DWORD attributes = GetFileAttributesA(kSuiteIni);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return "<no file>";
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        return "<folder>";
    }
    char value[64] = {};
    GetPrivateProfileStringA("UserMan", "UseAutoStart", "<none>", value, sizeof(value), kSuiteIni);
    return value;
}

unsigned long long MillisecondsNow() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
    return ticks.QuadPart / 10000;
}

std::string Record() {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    char flags[64];
    std::snprintf(flags, sizeof(flags),
                  "|flags=0x%lx|show=%u|UseAutoStart=", static_cast<unsigned long>(startup.dwFlags),
                  startup.wShowWindow);
    return std::to_string(MillisecondsNow()) + "\t" + GetCommandLineA() + "|" + CurrentDirectory() +
           flags + AutoStartSwitch() + "\r\n";
}

// Two copies may start close together: one write of a whole line in append mode, retried
// while the other copy holds the file.
void Append(const std::string& path, const std::string& line) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(file);
            return;
        }
        Sleep(20);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Append(BesideThisProgram("Setup1.log"), Record());
    return 0;
}
