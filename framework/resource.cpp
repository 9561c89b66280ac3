#include "framework/resource.h"

#include <windows.h>

std::string_view ProgramRCData(const std::string& name) {
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, name.c_str(), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(program, found) : nullptr;
    if (loaded == nullptr) {
        throw EResNotFound("Resource " + name + " not found");
    }
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(program, found)};
}
