#include "framework/font.h"

#include "framework/exception.h"
#include "framework/screendc.h"

void TFont::SetName(const std::string& name) {
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    height_ = height;
    Changed();
}

void TFont::SetCharset(BYTE charset) {
    charset_ = charset;
    Changed();
}

void TFont::SetStyle(unsigned style) {
    style_ = style;
    Changed();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        handle_.reset(CreateFontA(height_, 0, 0, 0, (style_ & fsBold) != 0 ? FW_BOLD : FW_NORMAL,
                                  (style_ & fsItalic) != 0, (style_ & fsUnderline) != 0,
                                  (style_ & fsStrikeOut) != 0, charset_, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                  name_.c_str()));
        if (!handle_) {
            throw Exception("Font " + name_ + " cannot be created");
        }
    }
    return handle_.get();
}

SIZE TFont::TextExtent(std::string_view text) const {
    ScreenDC screen;
    HGDIOBJ previous = SelectObject(screen.Get(), Handle());
    SIZE extent{};
    GetTextExtentPoint32A(screen.Get(), text.data(), static_cast<int>(text.size()), &extent);
    SelectObject(screen.Get(), previous);
    return extent;
}
