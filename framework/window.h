#pragma once

#include <windows.h>

#include <string>

// How a window is created: what CreateWindowExA needs, with defaults for a hidden window.
struct WindowParams {
    std::string className;
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // Owner of a top-level window, parent of a child, HWND_MESSAGE for a message-only one.
    HWND parent = nullptr;
    HICON icon = nullptr;
};

// Where a window of that outer size stands centred on the screen: never off its top-left
// corner, however large it is.
POINT CentredOnScreen(int width, int height);

// A system window of the framework. Every one of them shares one window procedure, which
// routes its messages to HandleMessage and hands any exception to the application's default
// exception handler: C++ exceptions must never unwind through the system's frames.
class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }

protected:
    void CreateHandle(const WindowParams& params);
    void DestroyHandle();

    // Called for every message of the window while it exists.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend LRESULT CALLBACK FrameworkWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    HWND handle_ = nullptr;
};
