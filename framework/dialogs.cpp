#include "framework/dialogs.h"

#include "framework/application.h"
#include "framework/font.h"
#include "framework/screendc.h"
#include "framework/taskwindows.h"
#include "framework/window.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
// Where a system message box keeps its text: tools that read message boxes find ours too.
constexpr int kTextId = 0xFFFF;
// The way a left-aligned Static control draws its text, so that the measure fits the drawing.
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

// The font of the system's own message boxes.
TFont MessageFont() {
    NONCLIENTMETRICSA metrics{.cbSize = sizeof(metrics)};
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    TFont font;
    font.SetName(metrics.lfMessageFont.lfFaceName);
    font.SetHeight(metrics.lfMessageFont.lfHeight);
    font.SetCharset(metrics.lfMessageFont.lfCharSet);
    return font;
}

SIZE TextSize(const TFont& font, const std::string& text) {
    ScreenDC screen;
    HGDIOBJ previous = SelectObject(screen.Get(), font.Handle());
    RECT bounds{0, 0, GetSystemMetrics(SM_CXSCREEN) * 3 / 5, 0};
    DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              kTextFormat | DT_CALCRECT);
    SelectObject(screen.Get(), previous);
    return {bounds.right, bounds.bottom};
}

// Icon and text side by side, the button centred below them.
struct Arrangement {
    RECT icon{};
    RECT text{};
    RECT button{};
    SIZE client{};
};

Arrangement Arrange(const TFont& font, const MessageDialogParams& params) {
    const int iconSize = params.icon != nullptr ? GetSystemMetrics(SM_CXICON) : 0;
    const SIZE text = TextSize(font, params.text);
    const int textLeft = kMargin + (iconSize > 0 ? iconSize + kMargin : 0);
    const int contentHeight = std::max<int>(iconSize, text.cy);
    const int textTop = kMargin + (contentHeight - text.cy) / 2;
    const int buttonTop = kMargin + contentHeight + kMargin;
    const int width = std::max<int>(textLeft + text.cx + kMargin, kButtonWidth + 2 * kMargin);
    const int buttonLeft = (width - kButtonWidth) / 2;
    return {.icon = {kMargin, kMargin, kMargin + iconSize, kMargin + iconSize},
            .text = {textLeft, textTop, textLeft + text.cx, textTop + text.cy},
            .button = {buttonLeft, buttonTop, buttonLeft + kButtonWidth, buttonTop + kButtonHeight},
            .client = {width, buttonTop + kButtonHeight + kMargin}};
}

// The dialog's window, with system controls for its icon, text and button. Its extended
// style makes the message routine hand its keys to the system's dialog handling, which turns
// Enter into the button's click and Escape into a cancel.
class MessageForm : public Window {
public:
    MessageForm(TApplication& application, const MessageDialogParams& params);
    ~MessageForm() override { DestroyHandle(); }

    void ShowModal();

private:
    static constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    static constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

    void CreateWindowCentred(const std::string& caption, SIZE client);
    HWND AddControl(const char* className, const std::string& text, DWORD style, const RECT& bounds,
                    int id);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    TApplication& application_;
    TFont font_ = MessageFont();
    HWND button_ = nullptr;
    bool ended_ = false;
};

MessageForm::MessageForm(TApplication& application, const MessageDialogParams& params)
    : application_(application) {
    const Arrangement arrangement = Arrange(font_, params);
    CreateWindowCentred(params.caption, arrangement.client);
    if (params.icon != nullptr) {
        HWND icon = AddControl("Static", "", SS_ICON, arrangement.icon, 0);
        SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, params.icon)),
                     0);
    }
    AddControl("Static", params.text, SS_LEFT | SS_NOPREFIX, arrangement.text, kTextId);
    button_ = AddControl("Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, arrangement.button, IDOK);
}

void MessageForm::CreateWindowCentred(const std::string& caption, SIZE client) {
    RECT bounds{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&bounds, kStyle, FALSE, kExStyle);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const POINT origin = CentredOnScreen(width, height);
    CreateHandle({.className = "TMessageForm",
                  .caption = caption,
                  .style = kStyle,
                  .exStyle = kExStyle,
                  .left = origin.x,
                  .top = origin.y,
                  .width = width,
                  .height = height,
                  .parent = application_.Handle()});
}

HWND MessageForm::AddControl(const char* className, const std::string& text, DWORD style,
                             const RECT& bounds, int id) {
    HWND control = CreateWindowExA(
        0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    return control;
}

void MessageForm::ShowModal() {
    const HWND active = GetActiveWindow();
    {
        DisabledTaskWindows disabled;
        ShowWindow(Handle(), SW_SHOWNORMAL);
        while (!ended_ && HandleAllocated() && !application_.Terminated()) {
            application_.HandleMessage();
        }
    }
    // Back to the window the user was in, not to the application's hidden owner.
    if (active != nullptr && IsWindow(active)) {
        SetActiveWindow(active);
    }
}

LRESULT MessageForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // The button's click, Enter or Escape: every way out ends the dialog alike.
        ended_ |= LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
        return 0;
    case WM_CLOSE:
        ended_ = true;
        return 0;
    case WM_SETFOCUS:
        SetFocus(button_);
        return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        return DefaultHandler(message, wParam, lParam);
    }
}

} // namespace

void ShowMessageDialog(TApplication& application, const MessageDialogParams& params) {
    if (application.Terminated()) {
        return;
    }
    MessageForm(application, params).ShowModal();
}

void ShowErrorDialog(const std::string& text) {
    ShowMessageDialog(*Application, {.caption = "Error", .text = text, .icon = IDI_HAND});
}

void ShowMessage(const std::string& text) {
    ShowMessageDialog(*Application, {.caption = Application->Title(), .text = text});
}
