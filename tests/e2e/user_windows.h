// What the scripted user can see of another program's windows: its top-level windows, their
// captions and states, and the make-up of a dialog. Texts are the code-page-1252 bytes that a
// cross-process WM_GETTEXT returns.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace user {

// Visible top-level windows of the process that have an area: a program's hidden or zero-size
// helper windows are not something the user sees.
std::vector<HWND> ShownWindows(DWORD processId);

std::string TextOf(HWND window);
std::string ClassOf(HWND window);

// "normal", "maximized" or "minimized".
std::string StateOf(HWND window);

struct Dialog {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
    bool icon = false;
    int okId = 0; // 0 when the dialog has no "OK" button
    HWND okButton = nullptr;
};

Dialog ReadDialog(HWND window);

// Printable form: bytes outside printable ASCII as \xNN, line feed and carriage return as \n
// and \r.
std::string Escaped(const std::string& text);

} // namespace user
