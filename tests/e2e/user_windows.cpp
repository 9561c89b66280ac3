#include "tests/e2e/user_windows.h"

#include "tests/support/window_lists.h"

#include <cstdio>

namespace user {

namespace {

constexpr UINT kAnswerMs = 2000;
// A system message box keeps its text in a Static child with this id.
constexpr int kMessageBoxTextId = 0xFFFF;

bool HasArea(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds.right > bounds.left && bounds.bottom > bounds.top;
}

bool IsIcon(HWND child) {
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    return ClassOf(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON &&
           IsWindowVisible(child) && SendMessageA(child, STM_GETICON, 0, 0) != 0;
}

void ReadChild(HWND child, Dialog& dialog, std::string& statics) {
    if (!IsWindowVisible(child)) {
        return;
    }
    const std::string className = ClassOf(child);
    if (className == "Button") {
        dialog.buttons.push_back(TextOf(child));
        if (dialog.buttons.back() == "OK") {
            dialog.okId = GetDlgCtrlID(child);
            dialog.okButton = child;
        }
    } else if (IsIcon(child)) {
        dialog.icon = true;
    } else if (GetDlgCtrlID(child) == kMessageBoxTextId) {
        dialog.text = TextOf(child);
    } else if (className == "Static") {
        statics += (statics.empty() ? "" : "|") + TextOf(child);
    }
}

} // namespace

std::vector<HWND> ShownWindows(DWORD processId) {
    std::vector<HWND> found;
    for (HWND window : TopLevelWindows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && HasArea(window)) {
            found.push_back(window);
        }
    }
    return found;
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kAnswerMs, &copied);
    text.resize(copied);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string StateOf(HWND window) {
    if (IsIconic(window)) {
        return "minimized";
    }
    return IsZoomed(window) ? "maximized" : "normal";
}

Dialog ReadDialog(HWND window) {
    Dialog dialog{.caption = TextOf(window)};
    std::string statics;
    for (HWND child : ChildWindows(window)) {
        ReadChild(child, dialog, statics);
    }
    if (dialog.text.empty()) {
        dialog.text = statics;
    }
    return dialog;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (const unsigned char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof(hex), "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace user
