#pragma once

#include "framework/color.h"
#include "framework/component.h"
#include "framework/font.h"
#include "framework/icon.h"
#include "framework/published.h"
#include "framework/window.h"
#include "framework/windowstate.h"

#include <string>
#include <string_view>
#include <vector>

class TControl;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable };
enum TPosition { poDesigned, poScreenCenter };

// A top-level window whose look and components come from its layout. A form is made in two
// steps, since the layout fills fields of the derived class: construct it, then read its
// layout (ReadLayout or LoadLayout), run DoCreate and give it its system window.
class TForm : public TComponent, private Window {
public:
    // type: the class of the derived form, whose name finds the layout and whose published
    // fields and methods the layout refers to.
    TForm(TComponent* owner, const ComponentClass& type);
    ~TForm() override;
    static const ComponentClass& Class();

    // Reads the layout resource named after the class in capitals.
    void LoadLayout();
    // Reads layout text, then scales the form for the screen.
    void ReadLayout(std::string_view text);
    // Runs OnCreate; an exception from it goes to the default exception handler.
    void DoCreate();
    void HandleNeeded();
    void Show();
    // Every close goes ahead: closing the application's main form ends the application. The
    // form is neither hidden nor freed.
    void Close();

    using Window::Handle;
    using Window::HandleAllocated;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    const TFont& Font() const { return font_; }
    const TIcon& Icon() const { return icon_; }
    const std::vector<TControl*>& Controls() const { return controls_; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state) { windowState_ = state; }

private:
    friend class TControl;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    void EraseBackground(HDC dc) const;
    void ScaleForScreen();
    void CentreOnScreen();
    void RemoveControl(TControl* control);
    DWORD WindowStyle() const;

    // Write accesses of the published properties.
    void SetLeft(int left) { left_ = left; }
    void SetTop(int top) { top_ = top; }
    void SetClientWidth(int width) { clientWidth_ = width; }
    void SetClientHeight(int height) { clientHeight_ = height; }
    void SetBorderIcons(unsigned icons) { borderIcons_ = icons; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    void SetColor(TColor color) { color_ = color; }
    void SetPosition(TPosition position) { position_ = position; }
    void SetOnCreate(TNotifyEvent handler) { onCreate_ = std::move(handler); }
    void SetPixelsPerInch(int pixels) { designPixelsPerInch_ = pixels; }
    void SetTextHeight(int height) { designTextHeight_ = height; }
    void SetFontCharset(BYTE charset) { font_.SetCharset(charset); }
    void SetFontColor(TColor color) { font_.SetColor(color); }
    void SetFontHeight(int height) { font_.SetHeight(height); }
    void SetFontName(const std::string& name) { font_.SetName(name); }
    void SetFontStyle(unsigned style) { font_.SetStyle(style); }
    void SetIconData(const Bytes& data) { icon_.SetData(data); }

    const ComponentClass& type_;
    std::string caption_;
    int left_ = 0;
    int top_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TColor color_ = clBtnFace;
    TPosition position_ = poDesigned;
    TWindowState windowState_ = wsNormal;
    TFont font_;
    TIcon icon_;
    TNotifyEvent onCreate_;
    // What the layout was made for: its screen's pixels per inch, and the height of "0" in
    // the form's font there (0 when the layout does not say).
    int designPixelsPerInch_ = 96;
    int designTextHeight_ = 0;
    std::vector<TControl*> controls_;
    bool shown_ = false;
};
