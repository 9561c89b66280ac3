#pragma once

#include <windows.h>

// The screen's device context for measuring text, released when it goes out of scope.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ~ScreenDC() { ReleaseDC(nullptr, dc_); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Pixels per logical inch of the screen.
int ScreenPixelsPerInch();
