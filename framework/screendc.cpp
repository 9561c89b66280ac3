#include "framework/screendc.h"

int ScreenPixelsPerInch() {
    return GetDeviceCaps(ScreenDC().Get(), LOGPIXELSY);
}
