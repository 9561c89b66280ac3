#pragma once

#include "framework/color.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

// Font style flags, combined in a set.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

inline constexpr std::pair<std::string_view, BYTE> CharsetNames[] = {
    {"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}};

// A logical font and its colour. The system font is made on first use and again after a
// change.
class TFont {
public:
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    BYTE Charset() const { return charset_; }
    void SetCharset(BYTE charset);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }

    HFONT Handle() const;
    // Size of one line of text in this font on the screen.
    SIZE TextExtent(std::string_view text) const;

private:
    struct Deleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };
    void Changed() { handle_.reset(); }

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    BYTE charset_ = DEFAULT_CHARSET;
    unsigned style_ = 0;
    TColor color_ = clWindowText;
    mutable std::unique_ptr<std::remove_pointer_t<HFONT>, Deleter> handle_;
};
