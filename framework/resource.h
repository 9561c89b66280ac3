#pragma once

#include "framework/exception.h"

#include <string>
#include <string_view>

using EResNotFound = ExceptionClass<Exception, "EResNotFound">;

// The bytes of the program's RCDATA resource of that name, valid for the whole run; raises
// EResNotFound "Resource %s not found" when the program has none.
std::string_view ProgramRCData(const std::string& name);
