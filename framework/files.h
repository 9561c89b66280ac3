#pragma once

#include <string>

// True only when the path names an existing file: a folder, nothing at all, or a path the
// system cannot take gives false. Never fails.
bool FileExists(const std::string& path) noexcept;
