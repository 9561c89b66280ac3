#include "framework/icon.h"

#include <cstdint>

namespace {

std::uint32_t ReadLittleEndian(const Bytes& data, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = (value << 8) | data[at + i];
    }
    return value;
}

[[noreturn]] void RaiseInvalidIcon() {
    throw EInvalidGraphic("Icon image is not valid");
}

} // namespace

void TIcon::SetData(const Bytes& data) {
    // An icon file: a 6-byte header (0, type 1, image count), then 16-byte directory entries
    // whose last 8 bytes give the size and offset of the image.
    constexpr std::size_t header = 6;
    constexpr std::size_t entry = 16;
    if (data.size() < header + entry || ReadLittleEndian(data, 0, 2) != 0 ||
        ReadLittleEndian(data, 2, 2) != 1 || ReadLittleEndian(data, 4, 2) == 0) {
        RaiseInvalidIcon();
    }
    const std::size_t size = ReadLittleEndian(data, header + 8, 4);
    const std::size_t offset = ReadLittleEndian(data, header + 12, 4);
    if (offset > data.size() || size > data.size() - offset) {
        RaiseInvalidIcon();
    }
    auto image = const_cast<BYTE*>(data.data() + offset);
    auto make = [&](int metricX, int metricY) {
        Handle icon(CreateIconFromResourceEx(image, static_cast<DWORD>(size), TRUE, 0x00030000,
                                             GetSystemMetrics(metricX), GetSystemMetrics(metricY),
                                             LR_DEFAULTCOLOR));
        if (!icon) {
            RaiseInvalidIcon();
        }
        return icon;
    };
    Handle large = make(SM_CXICON, SM_CYICON);
    small_ = make(SM_CXSMICON, SM_CYSMICON);
    large_ = std::move(large);
}
