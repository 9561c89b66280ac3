#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

// The caption bar of a window with a fixed single border and a close box only.
inline void ExpectFixedWindowWithCloseBoxOnly(HWND window, const char* caption) {
    char text[64]{};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, caption);
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
}

// Centred on the screen, and never off its top-left corner.
inline void ExpectCentredOnScreen(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    EXPECT_EQ(outer.left, std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2));
    EXPECT_EQ(outer.top, std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2));
}
