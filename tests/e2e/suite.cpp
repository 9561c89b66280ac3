// Stands in for a running program of the Quillmark suite. It opens a top-level window captioned
// "Quillmark", registers the suite's six message names, logs each query that reaches that window
// to suite.log beside it, and on the first query posts the replies named on its command line:
//   suite.exe [broadcast | window:NAME.EXE | thread:NAME.EXE] [after:MS]
//             [Tasks | TaskWarn | Quillmark]...
// broadcast (the default) posts to all top-level windows; window: to each top-level window of
// the programs with that file name; thread: to the threads that own those windows. after:MS
// answers that many milliseconds after the first query instead of at once.

#include "tests/support/beside_this_program.h"
#include "tests/support/window_lists.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include <windows.h>

namespace {

struct Pair {
    const char* kind;
    const char* reply;
    const char* query;
};

// Registered reply before query, as the launcher does; the order does not change the numbers.
constexpr Pair kPairs[] = {
    {"Tasks", "WMReturnQMTasksWHnd", "WMGetQMTasksWHnd"},
    {"TaskWarn", "WMReturnQMTaskWarnWHnd", "WMGetQMTaskWarnWHnd"},
    {"Quillmark", "WMReturnQuillmarkWHnd", "WMGetQuillmarkWHnd"},
};

constexpr UINT_PTR kAnswerTimer = 1;

struct Settings {
    std::string target = "broadcast";
    UINT delayMs = 0;
    std::vector<std::string> replies;
};

void Log(const std::string& line) {
    if (FILE* file = std::fopen(BesideThisProgram("suite.log").c_str(), "ab")) {
        std::fprintf(file, "%s\r\n", line.c_str());
        std::fclose(file);
    }
}

Settings ReadSettings() {
    Settings settings;
    for (int i = 1; i < __argc; ++i) {
        const std::string arg = __argv[i];
        if (arg.rfind("after:", 0) == 0) {
            settings.delayMs = static_cast<UINT>(std::stoul(arg.substr(6)));
        } else if (arg == "broadcast" || arg.find(':') != std::string::npos) {
            settings.target = arg;
        } else {
            settings.replies.push_back(arg);
        }
    }
    return settings;
}

const Pair* QueryOf(UINT message) {
    for (const Pair& pair : kPairs) {
        if (RegisterWindowMessageA(pair.query) == message) {
            return &pair;
        }
    }
    return nullptr;
}

const Pair* PairOfKind(const std::string& kind) {
    for (const Pair& pair : kPairs) {
        if (kind == pair.kind) {
            return &pair;
        }
    }
    return nullptr;
}

std::string FileNameOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return "";
    }
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    QueryFullProcessImageNameA(process, 0, path, &size);
    CloseHandle(process);
    const std::string full(path, size);
    return full.substr(full.find_last_of('\\') + 1);
}

// The top-level windows, hidden ones included, of the programs with the given file name.
std::vector<HWND> WindowsOf(const std::string& fileName) {
    std::vector<HWND> found;
    for (HWND window : TopLevelWindows()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (lstrcmpiA(FileNameOf(processId).c_str(), fileName.c_str()) == 0) {
            found.push_back(window);
        }
    }
    return found;
}

void PostReply(const std::string& target, UINT reply) {
    if (target == "broadcast") {
        PostMessageA(HWND_BROADCAST, reply, 0, 0);
        return;
    }
    const std::string mode = target.substr(0, target.find(':'));
    std::set<DWORD> threads;
    for (HWND window : WindowsOf(target.substr(target.find(':') + 1))) {
        if (mode == "window") {
            PostMessageA(window, reply, 0, 0);
        } else if (threads.insert(GetWindowThreadProcessId(window, nullptr)).second) {
            PostThreadMessageA(GetWindowThreadProcessId(window, nullptr), reply, 0, 0);
        }
    }
}

void Answer(const Settings& settings) {
    for (const std::string& kind : settings.replies) {
        if (const Pair* pair = PairOfKind(kind)) {
            PostReply(settings.target, RegisterWindowMessageA(pair->reply));
            Log(std::string("posted ") + pair->reply + " to " + settings.target);
        }
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainWindow(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "QuillmarkStandIn";
    RegisterClassA(&windowClass);
    return CreateWindowA("QuillmarkStandIn", "Quillmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                         200, 80, nullptr, nullptr, instance, nullptr);
}

// A broadcast also reaches the thread's other top-level windows: only the copy addressed to
// our own window counts.
void Handle(const MSG& message, HWND window, const Settings& settings, bool& answered) {
    const Pair* query = message.hwnd == window ? QueryOf(message.message) : nullptr;
    if (query == nullptr) {
        return;
    }
    char line[160];
    std::snprintf(line, sizeof(line), "query %s wParam=%llu lParam=%lld", query->query,
                  static_cast<unsigned long long>(message.wParam),
                  static_cast<long long>(message.lParam));
    Log(line);
    if (!answered) {
        answered = true;
        SetTimer(window, kAnswerTimer, settings.delayMs, nullptr);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const Settings settings = ReadSettings();
    for (const Pair& pair : kPairs) {
        RegisterWindowMessageA(pair.reply);
        RegisterWindowMessageA(pair.query);
    }
    const HWND window = CreateMainWindow(instance);
    bool answered = false;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == kAnswerTimer) {
            KillTimer(window, kAnswerTimer);
            Answer(settings);
        }
        Handle(message, window, settings, answered);
        DispatchMessageA(&message);
    }
    return 0;
}
