#include "framework/directory.h"

#include "framework/inouterror.h"

#include <windows.h>

void ChDir(const std::string& path) {
    if (!SetCurrentDirectoryA(path.c_str())) {
        throw EInOutError(static_cast<int>(GetLastError()));
    }
}
