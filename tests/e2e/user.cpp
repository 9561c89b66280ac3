// The scripted user of the end-to-end tests. It runs the steps given as arguments, one
// argument a step, and prints one line for each thing it sees; every wait has a time-out, and
// a step that times out prints what was on screen and ends the script with exit code 2.
//   suite ARGS...     start C:\e2e\suite.exe with ARGS and wait for its window
//   start PATH [max|minnoactive|normal]   start a launcher in C:\ with that show state
//   window CAPTION    wait for the window with that caption of each launcher started since
//                     the last such step, in the order started: window "C" STATE for each
//   dialog            wait for the last launcher's next window and read it:
//                     dialog "CAPTION" "TEXT" [BUTTONS] icon|no-icon
//   ok                press the OK button of that dialog and wait for the dialog to go
//   close             close the main window of every launcher, as its close box does
//   open MS           after MS ms: "open" while the last launcher runs, else "ended"
//   ini               the suite's automatic-start switch as it stands: ini UseAutoStart=VALUE
//   geometry TEXT     the last launcher's main window as it lies on the screen, the system
//                     colours it is drawn in, and TEXT's size in its font (Arial, height -13):
//                     geometry window=L,T,R,B client=X,Y,W,H active|inactive
//                     colours face=RRGGBB text=RRGGBB caption=RRGGBB caption-text=RRGGBB
//                     text height=H width=W
//   await FILE        wait until FILE exists: the runner's go-ahead
//   exit              wait for every launcher to end: a line for each window that showed
//                     meanwhile, then exit CODE

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/user_windows.h"
#include "tests/support/start_process.h"
#include "tests/support/unique_handle.h"

namespace {

constexpr DWORD kTimeoutMs = 10000;
constexpr DWORD kPollMs = 10;
constexpr const char* kSuiteIni = "C:\\Program Files\\Quillmark\\Quillmark.Ini";

struct Program {
    UniqueHandle process;
    DWORD processId = 0;
    HWND main = nullptr;
    std::set<HWND> seen;
    HWND dialog = nullptr;
};

struct Session {
    std::vector<Program> launchers;
    std::vector<Program> helpers;
};

class StepFailed {};

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string Quoted(const std::string& text) {
    return "\"" + user::Escaped(text) + "\"";
}

void DescribeScreen(const Program& program) {
    for (HWND window : user::ShownWindows(program.processId)) {
        Say("  on screen: " + Quoted(user::TextOf(window)) + " class " + user::ClassOf(window) +
            " " + user::StateOf(window));
    }
}

// Polls until the condition holds; on time-out tells what it waited for and what it saw.
void WaitFor(const Program& program, const std::string& what, const std::function<bool()>& done) {
    for (DWORD waited = 0; waited < kTimeoutMs; waited += kPollMs) {
        if (done()) {
            return;
        }
        Sleep(kPollMs);
    }
    Say("timed out after " + std::to_string(kTimeoutMs) + " ms waiting for " + what);
    DescribeScreen(program);
    throw StepFailed{};
}

Program Start(const std::string& commandLine, WORD show, DWORD flags) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = flags;
    startup.wShowWindow = show;
    PROCESS_INFORMATION info{};
    if (!StartProcess(nullptr, commandLine, "C:\\", startup, info)) {
        Say("cannot start " + commandLine + ": error " + std::to_string(GetLastError()));
        throw StepFailed{};
    }
    CloseHandle(info.hThread);
    Program program;
    program.process.reset(info.hProcess);
    program.processId = info.dwProcessId;
    return program;
}

bool Running(const Program& program) {
    return WaitForSingleObject(program.process.get(), 0) == WAIT_TIMEOUT;
}

Program& Last(Session& session) {
    if (session.launchers.empty()) {
        Say("no launcher started");
        throw StepFailed{};
    }
    return session.launchers.back();
}

HWND NewWindow(Program& program) {
    for (HWND window : user::ShownWindows(program.processId)) {
        if (window != program.main && program.seen.count(window) == 0) {
            return window;
        }
    }
    return nullptr;
}

void StepSuite(Session& session, const std::string& args) {
    Program suite = Start("C:\\e2e\\suite.exe " + args, 0, 0);
    WaitFor(suite, "the suite's window",
            [&] { return !user::ShownWindows(suite.processId).empty(); });
    session.helpers.push_back(std::move(suite));
}

void StepStart(Session& session, const std::string& args) {
    const std::string path = args.substr(0, args.find(' '));
    const std::string show = args.size() > path.size() ? args.substr(path.size() + 1) : "";
    const WORD state = show == "max"           ? SW_SHOWMAXIMIZED
                       : show == "minnoactive" ? SW_SHOWMINNOACTIVE
                                               : SW_SHOWNORMAL;
    session.launchers.push_back(
        Start("\"" + path + "\"", state, show.empty() ? 0 : STARTF_USESHOWWINDOW));
}

// Copies started one right after the other are waited for together.
void StepWindow(Session& session, const std::string& caption) {
    Last(session); // says so when no launcher was started
    for (Program& program : session.launchers) {
        if (program.main != nullptr) {
            continue;
        }
        WaitFor(program, "a window " + Quoted(caption), [&] {
            for (HWND window : user::ShownWindows(program.processId)) {
                if (user::TextOf(window) == caption) {
                    program.main = window;
                    return true;
                }
            }
            return false;
        });
        Say("window " + Quoted(caption) + " " + user::StateOf(program.main));
    }
}

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : "|") + user::Escaped(item);
    }
    return "[" + out + "]";
}

void StepDialog(Session& session, const std::string&) {
    Program& program = Last(session);
    HWND window = nullptr;
    WaitFor(program, "a dialog", [&] { return (window = NewWindow(program)) != nullptr; });
    program.seen.insert(window);
    program.dialog = window;
    const user::Dialog dialog = user::ReadDialog(window);
    Say("dialog " + Quoted(dialog.caption) + " " + Quoted(dialog.text) + " " +
        Joined(dialog.buttons) + (dialog.icon ? " icon" : " no-icon"));
}

void StepOk(Session& session, const std::string&) {
    Program& program = Last(session);
    const HWND window = program.dialog;
    const user::Dialog dialog = user::ReadDialog(window);
    if (dialog.okButton == nullptr) {
        Say("ok: no dialog with an OK button");
        throw StepFailed{};
    }
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(dialog.okId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.okButton));
    WaitFor(program, "the dialog to go",
            [&] { return !IsWindow(window) || !IsWindowVisible(window); });
    // The system may hand a later dialog the same handle.
    if (!IsWindow(window)) {
        program.seen.erase(window);
    }
}

void StepClose(Session& session, const std::string&) {
    for (const Program& program : session.launchers) {
        if (program.main == nullptr) {
            Say("close: no main window seen yet");
            throw StepFailed{};
        }
        PostMessageA(program.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void StepOpen(Session& session, const std::string& ms) {
    Sleep(static_cast<DWORD>(std::stoul(ms)));
    const Program& program = Last(session);
    Say(Running(program) && IsWindowVisible(program.main) ? "open" : "ended");
}

void StepIni(Session&, const std::string&) {
    char value[64] = {};
    GetPrivateProfileStringA("UserMan", "UseAutoStart", "<none>", value, sizeof(value), kSuiteIni);
    Say(std::string("ini UseAutoStart=") + value);
}

std::string Hex(COLORREF colour) {
    char hex[8];
    std::snprintf(hex, sizeof(hex), "%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return hex;
}

void StepGeometry(Session& session, const std::string& text) {
    const Program& program = Last(session);
    RECT frame{};
    RECT client{};
    POINT origin{};
    if (program.main == nullptr || !GetWindowRect(program.main, &frame) ||
        !GetClientRect(program.main, &client) || !ClientToScreen(program.main, &origin)) {
        Say("geometry: no main window to measure");
        throw StepFailed{};
    }
    const bool active = GetForegroundWindow() == program.main;
    Say("geometry window=" + std::to_string(frame.left) + "," + std::to_string(frame.top) + "," +
        std::to_string(frame.right) + "," + std::to_string(frame.bottom) +
        " client=" + std::to_string(origin.x) + "," + std::to_string(origin.y) + "," +
        std::to_string(client.right) + "," + std::to_string(client.bottom) +
        (active ? " active" : " inactive"));
    Say("colours face=" + Hex(GetSysColor(COLOR_BTNFACE)) +
        " text=" + Hex(GetSysColor(COLOR_WINDOWTEXT)) + " caption=" +
        Hex(GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION)) + " caption-text=" +
        Hex(GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT)));
    // Measured here, in the same prefix, rather than assumed: the face Wine takes for Arial
    // is shorter than the layout's design.
    const HDC screen = GetDC(nullptr);
    const HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0,
                                   0, 0, "Arial");
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE zero{};
    SIZE size{};
    GetTextExtentPoint32A(screen, "0", 1, &zero);
    GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    Say("text height=" + std::to_string(zero.cy) + " width=" + std::to_string(size.cx));
}

void StepAwait(Session& session, const std::string& file) {
    WaitFor(Last(session), file,
            [&] { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

void NoteNewWindows(Program& program) {
    while (HWND window = NewWindow(program)) {
        program.seen.insert(window);
        Say("saw " + Quoted(user::TextOf(window)) + " class " + user::ClassOf(window) + " " +
            user::StateOf(window));
    }
}

void StepExit(Session& session, const std::string&) {
    for (Program& program : session.launchers) {
        WaitFor(program, "the launcher to end", [&] {
            NoteNewWindows(program);
            return !Running(program);
        });
        DWORD code = 0;
        GetExitCodeProcess(program.process.get(), &code);
        Say("exit " + std::to_string(code));
    }
}

void EndHelpers(Session& session) {
    for (const Program& helper : session.helpers) {
        for (HWND window : user::ShownWindows(helper.processId)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        WaitFor(helper, "the suite program to end", [&] { return !Running(helper); });
    }
}

using Step = void (*)(Session&, const std::string&);

struct Verb {
    const char* name;
    Step step;
};

constexpr Verb kVerbs[] = {
    {"suite", StepSuite},       {"start", StepStart}, {"window", StepWindow},
    {"dialog", StepDialog},     {"ok", StepOk},       {"close", StepClose},
    {"open", StepOpen},         {"ini", StepIni},     {"exit", StepExit},
    {"geometry", StepGeometry}, {"await", StepAwait},
};

void Run(Session& session, const std::string& line) {
    const std::string verb = line.substr(0, line.find(' '));
    const std::string args = line.size() > verb.size() ? line.substr(verb.size() + 1) : "";
    for (const Verb& known : kVerbs) {
        if (verb == known.name) {
            known.step(session, args);
            return;
        }
    }
    Say("unknown step: " + line);
    throw StepFailed{};
}

// False when a step failed; it has said why.
bool Succeeds(const std::function<void()>& steps) {
    try {
        steps();
        return true;
    } catch (const StepFailed&) {
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    Session session;
    const bool done = Succeeds([&] {
        for (int i = 1; i < argc; ++i) {
            Run(session, argv[i]);
        }
    });
    // The helpers go also after a failed step.
    const bool ended = Succeeds([&] { EndHelpers(session); });
    return done && ended ? 0 : 2;
}
