#pragma once

#include <string>
#include <string_view>

// Runs the program body and gives the exit code: 0 when it returns. A failure that escapes
// it is a failed start-up: the task-modal "Application Error" box tells of it, and the exit
// code is 1.
int RunProgram(void (*body)());

// The text of the "Application Error" box: the exception's class, the program file's name,
// a code address, then the message.
std::string StartupFailureText(std::string_view className, std::string_view module,
                               const void* address, std::string_view message);
