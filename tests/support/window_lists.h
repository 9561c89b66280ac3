#pragma once

#include <windows.h>

#include <vector>

// Lists of windows, hidden ones included, for the tests' programs to filter. The system calls
// an enumeration back with its own calling convention, which a lambda lacks on 32-bit Windows.
namespace window_lists {

inline BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace window_lists

inline std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> found;
    EnumWindows(window_lists::Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Children and their children, in the system's order.
inline std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, window_lists::Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

inline std::vector<HWND> ThreadWindows(DWORD threadId) {
    std::vector<HWND> found;
    EnumThreadWindows(threadId, window_lists::Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}
