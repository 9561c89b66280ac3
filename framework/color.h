#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <utility>

// A colour: an RGB value, or a system colour that follows the user's scheme.
using TColor = std::uint32_t;

constexpr TColor SystemColor(int index) {
    return 0x80000000u | static_cast<TColor>(index);
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);

// The identifiers by which a layout names colours.
inline constexpr std::pair<std::string_view, TColor> ColorNames[] = {
    {"clBlack", clBlack},
    {"clWhite", clWhite},
    {"clBtnFace", clBtnFace},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText}};

// The RGB value to draw with, the system colour resolved now.
COLORREF ColorToRGB(TColor color);
