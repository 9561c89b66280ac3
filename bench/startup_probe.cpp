// Times start-ups of Windows programs as a user sees them: from just before CreateProcess to
// the moment the program's first top-level window with a size is visible. The launcher and a
// minimal window program take turns, one round each, then each is closed with WM_CLOSE. After
// that the launcher runs to its own end a few times, to time the delay from its window's
// appearing to the first start of the stand-in installer beside it: to the creation of its
// process, and to its own line in Setup1.log (system times in milliseconds, as here).
//
// Usage: startup_probe ROUNDS LAUNCH_ROUNDS LAUNCHER MINIMAL
// Prints "name<TAB>value..." lines for scripts/bench; durations in milliseconds.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include <tlhelp32.h>

namespace {

constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 20000;
// The launcher's timer fires 1500 ms after its layout is read; then it ends by itself.
constexpr DWORD kLaunchTimeoutMs = 6000;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "startup_probe: %s\n", what.c_str());
    std::exit(1);
}

double Now() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return static_cast<double>(ticks.QuadPart) / ticksPerMs;
}

long long Milliseconds(FILETIME time) {
    const ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
    return static_cast<long long>(ticks.QuadPart / 10000);
}

// The stand-in installer's time base, and that of process creation times.
long long SystemMs() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return Milliseconds(now);
}

std::optional<long long> Earliest(std::optional<long long> a, std::optional<long long> b) {
    if (!a || !b) {
        return a ? a : b;
    }
    return std::min(*a, *b);
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

// Stops at the first visible window of the process that has a size.
BOOL CALLBACK FindShownWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    RECT bounds{};
    if (processId != search->processId || !IsWindowVisible(window) ||
        !GetWindowRect(window, &bounds) || IsRectEmpty(&bounds)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

// A started program; one that is still running when this goes out of scope is ended.
class Child {
public:
    explicit Child(const std::string& path) : path_(path) {
        std::string commandLine = "\"" + path + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &info_)) {
            Fail("cannot start " + path_ + ", error " + std::to_string(GetLastError()));
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child() {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, kExitTimeoutMs);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }

    // The program's application window may be visible with no size: it does not count.
    HWND WaitForWindow() const {
        WindowSearch search{info_.dwProcessId, nullptr};
        const double deadline = Now() + kWindowTimeoutMs;
        while (Now() < deadline) {
            EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) {
                return search.found;
            }
            Sleep(1);
        }
        Fail(path_ + " showed no window within " + std::to_string(kWindowTimeoutMs) + " ms");
    }

    DWORD Id() const { return info_.dwProcessId; }

    bool Exited(DWORD timeoutMs) const {
        return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
    }

    void WaitForExit() const {
        if (!Exited(kExitTimeoutMs)) {
            Fail(path_ + " did not end within " + std::to_string(kExitTimeoutMs) + " ms");
        }
    }

private:
    std::string path_;
    PROCESS_INFORMATION info_{};
};

double TimeStartUp(const std::string& path) {
    const double before = Now();
    Child child(path);
    HWND window = child.WaitForWindow();
    const double elapsed = Now() - before;
    PostMessageA(window, WM_CLOSE, 0, 0);
    child.WaitForExit();
    return elapsed;
}

std::string SetupLogBeside(const std::string& launcher) {
    return launcher.substr(0, launcher.find_last_of('\\') + 1) + "Setup1.log";
}

// Each line of the log starts with the system time of one installer start.
std::vector<long long> InstallerStarts(const std::string& log) {
    std::vector<long long> starts;
    std::ifstream file(log);
    std::string line;
    while (std::getline(file, line)) {
        starts.push_back(std::atoll(line.c_str()));
    }
    return starts;
}

// The launcher starts the installer twice and ends without waiting for it: give both starts a
// moment to log, so that neither lands in the next round's log.
std::optional<long long> FirstInstallerStart(const std::string& log) {
    std::vector<long long> starts;
    for (int attempt = 0; attempt < 200 && starts.size() < 2; ++attempt) {
        Sleep(10);
        starts = InstallerStarts(log);
    }
    if (starts.empty()) {
        return std::nullopt;
    }
    return *std::min_element(starts.begin(), starts.end());
}

// When the first child of a process that is still alive was created, if there is one.
std::optional<long long> FirstChildCreated(DWORD parentId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<long long> first;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (entry.th32ParentProcessID != parentId) {
            continue;
        }
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        FILETIME created, exited, kernel, user;
        if (process != nullptr && GetProcessTimes(process, &created, &exited, &kernel, &user)) {
            first = Earliest(first, Milliseconds(created));
        }
        if (process != nullptr) {
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
    return first;
}

// From the launcher's window appearing to the installer's first start: when its process was
// created, and when the installer itself logged (which adds its own start-up).
struct InstallerDelays {
    std::optional<double> created;
    std::optional<double> logged;
};

// A launcher that does not end by itself is closed.
InstallerDelays TimeWindowToInstaller(const std::string& launcher) {
    const std::string log = SetupLogBeside(launcher);
    DeleteFileA(log.c_str());
    Child child(launcher);
    HWND window = child.WaitForWindow();
    const long long shownAt = SystemMs();
    const double deadline = Now() + kLaunchTimeoutMs;
    std::optional<long long> created;
    while (!child.Exited(1)) {
        created = Earliest(created, FirstChildCreated(child.Id()));
        if (Now() > deadline) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            child.WaitForExit();
        }
    }
    created = Earliest(created, FirstChildCreated(child.Id()));
    const auto logged = FirstInstallerStart(log);
    const auto since = [shownAt](std::optional<long long> at) -> std::optional<double> {
        return at ? std::optional<double>(static_cast<double>(*at - shownAt)) : std::nullopt;
    };
    return {since(created), since(logged)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void PrintSeries(const char* name, const std::vector<double>& values) {
    std::printf("%s\t%.1f\t%.1f\t%.1f\n", name, Median(values),
                *std::min_element(values.begin(), values.end()),
                *std::max_element(values.begin(), values.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        Fail("usage: startup_probe ROUNDS LAUNCH_ROUNDS LAUNCHER MINIMAL");
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const int launchRounds = std::max(0, std::atoi(argv[2]));
    const std::string launcher = argv[3];
    const std::string minimal = argv[4];
    const std::string log = SetupLogBeside(launcher);

    // Keeps this process on the desktop for the whole run, so Wine does not close it between
    // two programs; one unmeasured round each warms the file cache.
    GetDesktopWindow();
    DeleteFileA(log.c_str());
    TimeStartUp(minimal);
    TimeStartUp(launcher);

    // Taking turns, each first in every other round, spreads drift over both.
    std::vector<double> launcherMs;
    std::vector<double> minimalMs;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            launcherMs.push_back(TimeStartUp(launcher));
            minimalMs.push_back(TimeStartUp(minimal));
        } else {
            minimalMs.push_back(TimeStartUp(minimal));
            launcherMs.push_back(TimeStartUp(launcher));
        }
    }
    // Closed before its timer: the launcher must not have started the installer.
    std::printf("installer_starts_while_closing\t%zu\n", InstallerStarts(log).size());

    std::vector<double> created;
    std::vector<double> logged;
    int noStart = 0;
    for (int round = 0; round < launchRounds; ++round) {
        const InstallerDelays delays = TimeWindowToInstaller(launcher);
        if (delays.created) {
            created.push_back(*delays.created);
        }
        if (delays.logged) {
            logged.push_back(*delays.logged);
        } else {
            ++noStart;
        }
    }

    std::printf("rounds\t%d\n", rounds);
    PrintSeries("launcher_ms", launcherMs);
    PrintSeries("minimal_ms", minimalMs);
    std::printf("ratio\t%.2f\n", Median(launcherMs) / Median(minimalMs));
    std::printf("launch_rounds\t%d\n", launchRounds);
    std::printf("launch_rounds_without_start\t%d\n", noStart);
    if (!created.empty()) {
        PrintSeries("window_to_installer_created_ms", created);
    }
    if (!logged.empty()) {
        PrintSeries("window_to_installer_logged_ms", logged);
    }
    return 0;
}
