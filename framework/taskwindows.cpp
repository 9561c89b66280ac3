#include "framework/taskwindows.h"

namespace {

BOOL CALLBACK CollectShownEnabled(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

} // namespace

DisabledTaskWindows::DisabledTaskWindows() {
    EnumThreadWindows(GetCurrentThreadId(), CollectShownEnabled,
                      reinterpret_cast<LPARAM>(&windows_));
    for (HWND window : windows_) {
        EnableWindow(window, FALSE);
    }
}

DisabledTaskWindows::~DisabledTaskWindows() {
    for (HWND window : windows_) {
        // A window may have gone while the box was up.
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
}
