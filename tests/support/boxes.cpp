#include "tests/support/boxes.h"

namespace {

// A system message box is a dialog whose text is a static control with this id.
constexpr int MessageBoxTextId = 0xFFFF;

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

// A system message box, or one of the framework's message dialogs, which are made alike.
// Only once shown: a framework dialog gets its text and icon while still hidden.
HWND FindBox(const std::string& caption) {
    HWND box = FindWindowA("#32770", caption.c_str());
    if (box == nullptr) {
        box = FindWindowA("TMessageForm", caption.c_str());
    }
    return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

} // namespace

std::optional<BoxSeen> AnswerBox(const std::string& caption, DWORD timeoutMs,
                                 const std::function<void()>& whileShown) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    HWND box = nullptr;
    while ((box = FindBox(caption)) == nullptr) {
        if (GetTickCount64() > deadline) {
            return std::nullopt;
        }
        Sleep(10);
    }
    BoxSeen seen;
    char text[1024]{};
    GetDlgItemTextA(box, MessageBoxTextId, text, sizeof text);
    seen.text = text;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&seen));
    if (whileShown) {
        whileShown();
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return seen;
}

std::future<std::optional<BoxSeen>> AnswerBoxLater(const std::string& caption, DWORD timeoutMs,
                                                   std::function<void()> whileShown) {
    return std::async(std::launch::async, [caption, timeoutMs, whileShown] {
        return AnswerBox(caption, timeoutMs, whileShown);
    });
}
