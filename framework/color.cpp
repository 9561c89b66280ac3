#include "framework/color.h"

COLORREF ColorToRGB(TColor color) {
    if ((color & 0x80000000u) != 0) {
        return GetSysColor(static_cast<int>(color & 0xFFu));
    }
    return color;
}
