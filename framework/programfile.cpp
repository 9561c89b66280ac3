#include "framework/programfile.h"

#include <windows.h>

std::string ProgramPath() {
    char path[MAX_PATH]{};
    return {path, GetModuleFileNameA(nullptr, path, MAX_PATH)};
}
