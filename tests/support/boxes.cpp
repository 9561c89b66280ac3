#include "tests/support/boxes.h"

#include "tests/support/window_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

// A system message box is a dialog whose text is a static control with this id.
constexpr int MessageBoxTextId = 0xFFFF;

// The framework's message dialogs are made like system message boxes, under a class of their own.
constexpr const char* kBoxClasses[] = {"#32770", "TMessageForm"};

// Its icon is another static control, showing one of the system's icons.
BOOL CALLBACK FindIcon(HWND child, LPARAM seenBox) {
    auto& seen = *reinterpret_cast<BoxSeen*>(seenBox);
    const bool isIcon =
        (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child);
    const LRESULT icon = isIcon ? SendMessageA(child, STM_GETICON, 0, 0) : 0;
    seen.hasIcon |= icon != 0;
    seen.hasStopIcon |= icon == reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_HAND));
    return TRUE;
}

// Only once shown: a framework dialog gets its text and icon while still hidden.
HWND FindBox(const std::string& caption) {
    for (const char* className : kBoxClasses) {
        HWND box = FindWindowA(className, caption.c_str());
        if (box != nullptr) {
            return IsWindowVisible(box) ? box : nullptr;
        }
    }
    return nullptr;
}

bool IsBoxOfThisProcess(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[32]{};
    GetClassNameA(window, name, sizeof name);
    const auto isBoxClass = [&](const char* className) { return std::string(name) == className; };
    return process == GetCurrentProcessId() && IsWindowVisible(window) &&
           std::any_of(std::begin(kBoxClasses), std::end(kBoxClasses), isBoxClass);
}

std::optional<BoxSeen> WaitAndAnswer(const std::string& caption, DWORD timeoutMs,
                                     const std::function<void()>& whileShown) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    HWND box = nullptr;
    while ((box = FindBox(caption)) == nullptr) {
        if (GetTickCount64() > deadline) {
            return std::nullopt;
        }
        Sleep(10);
    }
    const BoxSeen seen = ReadBox(box);
    if (whileShown) {
        whileShown();
    }
    PressOk(box);
    return seen;
}

} // namespace

void PrintTo(const BoxSeen& seen, std::ostream* out) {
    *out << "box " << testing::PrintToString(seen.caption) << " saying "
         << testing::PrintToString(seen.text);
}

BoxSeen ReadBox(HWND box) {
    BoxSeen seen;
    char text[1024]{};
    GetWindowTextA(box, text, sizeof text);
    seen.caption = text;
    GetDlgItemTextA(box, MessageBoxTextId, text, sizeof text);
    seen.text = text;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

void PressOk(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

std::vector<HWND> BoxesOfThisProcess() {
    std::vector<HWND> boxes;
    std::ranges::copy_if(TopLevelWindows(), std::back_inserter(boxes), IsBoxOfThisProcess);
    return boxes;
}

std::optional<BoxSeen> AnswerBox(const std::string& caption, DWORD timeoutMs,
                                 const std::function<void()>& whileShown) {
    std::optional<BoxSeen> seen = WaitAndAnswer(caption, timeoutMs, whileShown);
    if (!seen) {
        ADD_FAILURE() << "no box captioned \"" << caption << "\" within " << timeoutMs << " ms";
    }
    return seen;
}

std::future<std::optional<BoxSeen>> AnswerBoxLater(const std::string& caption, DWORD timeoutMs,
                                                   std::function<void()> whileShown) {
    return std::async(std::launch::async, [caption, timeoutMs, whileShown] {
        return AnswerBox(caption, timeoutMs, whileShown);
    });
}

std::future<std::optional<BoxSeen>> UnwantedBoxLater(const std::string& caption, DWORD timeoutMs) {
    return std::async(std::launch::async,
                      [caption, timeoutMs] { return WaitAndAnswer(caption, timeoutMs, {}); });
}
