#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

// How a window appears: as a form shows itself, or as a started program is asked to.
enum TWindowState : std::uint8_t { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

// The identifiers by which a layout names the window states.
inline constexpr std::pair<std::string_view, TWindowState> WindowStateNames[] = {
    {"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}};
