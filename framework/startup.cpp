#include "framework/startup.h"

#include "framework/exception.h"
#include "framework/programfile.h"

#include <windows.h>

#include <cinttypes>
#include <cstdio>
#include <typeinfo>

namespace {

std::string ProgramModuleName() {
    const std::string path = ProgramPath();
    return path.substr(path.find_last_of("\\/:") + 1);
}

// C++ keeps no record of where an exception was raised, so the box names the code that the
// failure escaped: the program body.
void ShowStartupFailure(const char* className, const std::string& message, void (*body)()) {
    const std::string text = StartupFailureText(className, ProgramModuleName(),
                                                reinterpret_cast<const void*>(body), message);
    MessageBoxA(nullptr, text.c_str(), "Application Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

} // namespace

std::string StartupFailureText(std::string_view className, std::string_view module,
                               const void* address, std::string_view message) {
    char digits[2 * sizeof(void*) + 1]{};
    std::snprintf(digits, sizeof digits, "%0*" PRIXPTR, static_cast<int>(2 * sizeof(void*)),
                  reinterpret_cast<std::uintptr_t>(address));
    std::string text = "Exception " + std::string(className) + " in module " + std::string(module) +
                       " at " + digits + ".\r\n" + std::string(message);
    if (!message.empty() && message.back() != '.') {
        text += '.';
    }
    return text + "\r\n";
}

int RunProgram(void (*body)()) {
    try {
        body();
        return 0;
    } catch (const Exception& failure) {
        ShowStartupFailure(failure.ClassName(), failure.Message(), body);
    } catch (const std::exception& failure) {
        ShowStartupFailure(typeid(failure).name(), failure.what(), body);
    }
    return 1;
}
