#pragma once

#include "tests/support/start_process.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

// A started program (a copy of the launcher, or a helper), ended by the test if it is still
// running at the end.
class Started {
public:
    explicit Started(const std::string& program, std::optional<WORD> showState = std::nullopt,
                     const std::string& arguments = "")
        : program_(program) {
        STARTUPINFOA startup{.cb = sizeof(startup)};
        if (showState) {
            startup.dwFlags = STARTF_USESHOWWINDOW;
            startup.wShowWindow = *showState;
        }
        const bool started = StartProcess(program.c_str(), "\"" + program + "\" " + arguments,
                                          nullptr, startup, process_);
        if (!started) {
            ADD_FAILURE() << program << " did not start: error " << GetLastError();
        }
    }
    ~Started() {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 99);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    // A top-level window of this process with that class (shown, if asked), if it has one.
    HWND WindowOf(const char* className, bool shown) const {
        for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window != nullptr;
             window = FindWindowExA(nullptr, window, className, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process_.dwProcessId && (!shown || IsWindowVisible(window))) {
                return window;
            }
        }
        return nullptr;
    }

    // The test fails, saying what it waited for, when none comes within 5 s.
    HWND WaitForWindow(const char* className, bool shown) const {
        const ULONGLONG deadline = GetTickCount64() + kWaitMs;
        HWND window = nullptr;
        while ((window = WindowOf(className, shown)) == nullptr && GetTickCount64() < deadline) {
            Sleep(10);
        }
        if (window == nullptr) {
            ADD_FAILURE() << "no " << (shown ? "shown " : "") << "window of class " << className
                          << " from " << program_ << " within " << kWaitMs << " ms";
        }
        return window;
    }

    // The test fails when the program has not ended within 5 s.
    std::optional<DWORD> ExitCode() const {
        if (WaitForSingleObject(process_.hProcess, kWaitMs) != WAIT_OBJECT_0) {
            ADD_FAILURE() << program_ << " still running after " << kWaitMs << " ms";
            return std::nullopt;
        }
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    static constexpr DWORD kWaitMs = 5000;
    std::string program_;
    PROCESS_INFORMATION process_{};
};
