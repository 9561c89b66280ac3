#pragma once

#include <string>

// The program's string-table entry in the ANSI code page, at most 1023 characters; empty
// when the program has no such entry.
std::string LoadStr(unsigned id);
