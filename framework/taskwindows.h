#pragma once

#include <windows.h>

#include <vector>

// While it lives, the thread's visible and enabled top-level windows are disabled, as they
// must be under a modal box; they are enabled again when it goes.
class DisabledTaskWindows {
public:
    DisabledTaskWindows();
    ~DisabledTaskWindows();
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;

private:
    std::vector<HWND> windows_;
};
