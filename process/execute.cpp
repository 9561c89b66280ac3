#include "process/appexec.h"

#include "framework/directory.h"
#include "process/errortext.h"

#include <windows.h>

namespace {

// ExeName, then one blank and each item as it is: no quotes, no trimming.
std::string CommandLine(const std::string& exeName, const TStringList& params) {
    std::string line = exeName;
    const int count = params.Count();
    for (int i = 0; i < count; ++i) {
        line += ' ';
        line += params.Strings(i);
    }
    return line;
}

// The handles of a started process, closed as soon as the start is done with them, so
// the component keeps nothing of the process.
struct StartedProcess {
    PROCESS_INFORMATION info{};

    StartedProcess() = default;
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;
    ~StartedProcess() {
        if (info.hThread != nullptr) {
            CloseHandle(info.hThread);
        }
        if (info.hProcess != nullptr) {
            CloseHandle(info.hProcess);
        }
    }
};

} // namespace

void TAppExec::Execute() {
    // The system may write into the line it is given: it gets its own copy, sized to the
    // line and ending at the line's first NUL. Only the system's own limit refuses a long one.
    std::string buffer = CommandLine(exeName_, *exeParams_).c_str();

    if (changeDir_ && !exePath_.empty()) {
        try {
            ChDir(exePath_);
        } catch (const Exception& failure) {
            throw EAppExecChDir(failure.Message());
        }
    }

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showCommand_;

    StartedProcess process;
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                        &process.info)) {
        errNo_ = ErrNoOf(GetLastError());
        throw EAppExecWinExec(GetErrorText());
    }
    if (wait_) {
        WaitForSingleObject(process.info.hProcess, INFINITE);
        errNo_ = 0;
    }
}
