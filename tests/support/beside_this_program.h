#pragma once

#include <string>

#include <windows.h>

// A file in the folder of the running program.
inline std::string BesideThisProgram(const std::string& name) {
    std::string path(MAX_PATH, '\0');
    path.resize(GetModuleFileNameA(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}
