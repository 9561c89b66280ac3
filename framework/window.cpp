#include "framework/window.h"

#include "framework/application.h"
#include "framework/exception.h"

#include <algorithm>
#include <utility>

LRESULT CALLBACK FrameworkWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

HINSTANCE ProgramInstance() {
    return GetModuleHandleA(nullptr);
}

// Window classes are registered on first use, one per class name.
void RegisterWindowClass(const WindowParams& params) {
    WNDCLASSEXA existing{.cbSize = sizeof(existing)};
    if (GetClassInfoExA(ProgramInstance(), params.className.c_str(), &existing)) {
        return;
    }
    WNDCLASSEXA type{.cbSize = sizeof(type),
                     .style = CS_DBLCLKS,
                     .lpfnWndProc = FrameworkWindowProcedure,
                     .hInstance = ProgramInstance(),
                     .hIcon = params.icon,
                     .hCursor = LoadCursorA(nullptr, IDC_ARROW),
                     .lpszClassName = params.className.c_str()};
    if (RegisterClassExA(&type) == 0) {
        throw Exception("Window class " + params.className + " cannot be registered");
    }
}

} // namespace

LRESULT CALLBACK FrameworkWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* window = static_cast<Window*>(created->lpCreateParams);
        window->handle_ = handle;
        SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
    if (window == nullptr) {
        return DefWindowProcA(handle, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = window->HandleMessage(message, wParam, lParam);
    } catch (...) {
        Application->HandleException();
    }
    if (message == WM_NCDESTROY) {
        // Destroyed by the system, e.g. with its owner: the object must not use it again.
        SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
        window->handle_ = nullptr;
    }
    return result;
}

POINT CentredOnScreen(int width, int height) {
    return {std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2),
            std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2)};
}

Window::~Window() {
    DestroyHandle();
}

void Window::CreateHandle(const WindowParams& params) {
    RegisterWindowClass(params);
    HWND handle = CreateWindowExA(params.exStyle, params.className.c_str(), params.caption.c_str(),
                                  params.style, params.left, params.top, params.width,
                                  params.height, params.parent, nullptr, ProgramInstance(), this);
    if (handle == nullptr) {
        throw Exception("Window " + params.className + " cannot be created");
    }
}

void Window::DestroyHandle() {
    if (handle_ == nullptr) {
        return;
    }
    // Messages sent while the window goes away must not reach an object being destroyed.
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(handle_, nullptr));
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandler(message, wParam, lParam);
}

LRESULT Window::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle_, message, wParam, lParam);
}
