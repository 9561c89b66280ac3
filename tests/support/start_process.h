#pragma once

#include <string>

#include <windows.h>

// Starts a test's helper program. Wine reports ERROR_INTERNAL_ERROR when the new process dies
// inside Wine's own start-up, before any of its code runs: about once in a few thousand
// starts where the system keeps address-space randomisation on (see scripts/wine-session).
// Windows has no such failure for a program that is there, so only that is retried, once.
inline bool StartProcess(const char* program, std::string commandLine, const char* directory,
                         STARTUPINFOA& startup, PROCESS_INFORMATION& info) {
    const auto start = [&] {
        return CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              directory, &startup, &info) != FALSE;
    };
    return start() || (GetLastError() == ERROR_INTERNAL_ERROR && start());
}
