#include "framework/form.h"

#include "framework/application.h"
#include "framework/control.h"
#include "framework/layoutreader.h"
#include "framework/resource.h"
#include "framework/screendc.h"

#include <algorithm>
#include <cctype>
#include <span>

TForm::TForm(TComponent* owner, const ComponentClass& type) : TComponent(owner), type_(type) {}

TForm::~TForm() {
    // The controls leave this form while it is still whole.
    DestroyComponents();
    if (auto* application = dynamic_cast<TApplication*>(Owner())) {
        application->FormDestroyed(this);
    }
}

const ComponentClass& TForm::Class() {
    static const ComponentClass type{
        .name = "TForm",
        .parent = &ComponentBaseClass(),
        .properties =
            {Property("Left", &TForm::SetLeft), Property("Top", &TForm::SetTop),
             SetProperty("BorderIcons", &TForm::SetBorderIcons,
                         {{"biSystemMenu", biSystemMenu},
                          {"biMinimize", biMinimize},
                          {"biMaximize", biMaximize}}),
             EnumProperty("BorderStyle", &TForm::SetBorderStyle,
                          {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable}}),
             Property("Caption", &TForm::SetCaption),
             Property("ClientHeight", &TForm::SetClientHeight),
             Property("ClientWidth", &TForm::SetClientWidth),
             EnumProperty("Color", &TForm::SetColor, std::span(ColorNames)),
             EnumProperty("Font.Charset", &TForm::SetFontCharset, std::span(CharsetNames)),
             EnumProperty("Font.Color", &TForm::SetFontColor, std::span(ColorNames)),
             Property("Font.Height", &TForm::SetFontHeight),
             Property("Font.Name", &TForm::SetFontName),
             SetProperty("Font.Style", &TForm::SetFontStyle,
                         {{"fsBold", fsBold},
                          {"fsItalic", fsItalic},
                          {"fsUnderline", fsUnderline},
                          {"fsStrikeOut", fsStrikeOut}}),
             Property("Icon.Data", &TForm::SetIconData),
             // OnCreate always runs once the whole layout is read, the order False asks for.
             IgnoredProperty("OldCreateOrder"),
             EnumProperty("Position", &TForm::SetPosition,
                          {{"poDesigned", poDesigned}, {"poScreenCenter", poScreenCenter}}),
             Property("OnCreate", &TForm::SetOnCreate),
             Property("PixelsPerInch", &TForm::SetPixelsPerInch),
             Property("TextHeight", &TForm::SetTextHeight)},
    };
    return type;
}

void TForm::LoadLayout() {
    std::string name(type_.name);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    ReadLayout(ProgramRCData(name));
}

void TForm::ReadLayout(std::string_view text) {
    ReadComponentLayout(*this, type_, ParseLayout(text));
    for (TComponent* component : Components()) {
        if (auto* control = dynamic_cast<TControl*>(component)) {
            control->parent_ = this;
            controls_.push_back(control);
        }
    }
    ScaleForScreen();
    for (TControl* control : controls_) {
        control->Loaded();
    }
}

// The layout's sizes hold where "0" of the form's font is as high as when it was made; on a
// screen of another resolution the font follows the resolution, and the sizes follow the
// font.
void TForm::ScaleForScreen() {
    const int pixelsPerInch = ScreenPixelsPerInch();
    if (pixelsPerInch != designPixelsPerInch_) {
        font_.SetHeight(MulDiv(font_.Height(), pixelsPerInch, designPixelsPerInch_));
    }
    if (designTextHeight_ == 0) {
        return;
    }
    const int textHeight = font_.TextExtent("0").cy;
    if (textHeight == designTextHeight_) {
        return;
    }
    clientWidth_ = MulDiv(clientWidth_, textHeight, designTextHeight_);
    clientHeight_ = MulDiv(clientHeight_, textHeight, designTextHeight_);
    for (TControl* control : controls_) {
        control->ScaleBy(textHeight, designTextHeight_);
    }
}

void TForm::DoCreate() {
    if (!onCreate_) {
        return;
    }
    try {
        onCreate_(this);
    } catch (...) {
        Application->HandleException();
    }
}

DWORD TForm::WindowStyle() const {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (borderStyle_) {
    case bsNone:
        return style | WS_POPUP;
    case bsSingle:
        style |= WS_CAPTION;
        break;
    case bsSizeable:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    }
    // The system shows the minimise and maximise buttons only beside a system menu.
    if ((borderIcons_ & biSystemMenu) != 0) {
        style |= WS_SYSMENU;
        style |= (borderIcons_ & biMinimize) != 0 ? WS_MINIMIZEBOX : 0;
        style |= (borderIcons_ & biMaximize) != 0 ? WS_MAXIMIZEBOX : 0;
    }
    return style;
}

void TForm::HandleNeeded() {
    if (HandleAllocated()) {
        return;
    }
    const DWORD style = WindowStyle();
    RECT bounds{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&bounds, style, FALSE, 0);
    // The application's window owns its forms, so that it alone has the taskbar button.
    auto* application = dynamic_cast<TApplication*>(Owner());
    CreateHandle({.className = std::string(type_.name),
                  .caption = caption_,
                  .style = style,
                  .left = left_,
                  .top = top_,
                  .width = bounds.right - bounds.left,
                  .height = bounds.bottom - bounds.top,
                  .parent = application != nullptr ? application->Handle() : nullptr});
    if (!icon_.Empty()) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Large()));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Small()));
    }
}

void TForm::Show() {
    HandleNeeded();
    if (!shown_ && position_ == poScreenCenter) {
        CentreOnScreen();
    }
    shown_ = true;
    ShowWindow(Handle(), windowState_ == wsMaximized   ? SW_SHOWMAXIMIZED
                         : windowState_ == wsMinimized ? SW_SHOWMINIMIZED
                                                       : SW_SHOWNORMAL);
}

void TForm::CentreOnScreen() {
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    const POINT origin = CentredOnScreen(bounds.right - bounds.left, bounds.bottom - bounds.top);
    SetWindowPos(Handle(), nullptr, origin.x, origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Close() {
    auto* application = dynamic_cast<TApplication*>(Owner());
    if (application != nullptr && application->MainForm() == this) {
        application->Terminate();
    }
}

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (HandleAllocated()) {
        SetWindowTextA(Handle(), caption_.c_str());
    }
}

void TForm::RemoveControl(TControl* control) {
    std::erase(controls_, control);
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return DefaultHandler(message, wParam, lParam);
    }
}

void TForm::EraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color_));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

void TForm::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Handle(), &paint);
    for (TControl* control : controls_) {
        control->Paint(dc);
    }
    EndPaint(Handle(), &paint);
}
