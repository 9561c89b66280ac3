#pragma once

#include <string>

#include <windows.h>

inline std::string CurrentDirectory() {
    std::string path(GetCurrentDirectoryA(0, nullptr), '\0');
    path.resize(GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data()));
    return path;
}

// Puts the process's current directory back, whatever a test did with it.
class DirectoryGuard {
public:
    DirectoryGuard() : saved_(CurrentDirectory()) {}
    ~DirectoryGuard() { SetCurrentDirectoryA(saved_.c_str()); }
    DirectoryGuard(const DirectoryGuard&) = delete;
    DirectoryGuard& operator=(const DirectoryGuard&) = delete;

    const std::string& Saved() const { return saved_; }

private:
    std::string saved_;
};
