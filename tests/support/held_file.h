#pragma once

#include "tests/support/unique_handle.h"

#include <string>

// An open of the file that shares nothing: the system's INI writer then cannot open it, on
// Windows and under Wine alike, even as root. INVALID_HANDLE_VALUE when the file cannot be
// opened.
inline UniqueHandle HoldWithoutSharing(const std::string& path) {
    return UniqueHandle(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}
