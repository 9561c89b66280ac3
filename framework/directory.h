#pragma once

#include <string>

// Makes path the process's current directory. When the system refuses, raises EInOutError
// with the system's error code and leaves the current directory as it was.
void ChDir(const std::string& path);
