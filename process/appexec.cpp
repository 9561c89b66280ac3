#include "process/appexec.h"

#include "process/errortext.h"

#include <array>

#include <windows.h>

namespace {

// Indexed by TWindowState.
constexpr std::array<std::uint16_t, 3> ShowCommands{SW_SHOWNORMAL, SW_SHOWMINIMIZED,
                                                    SW_SHOWMAXIMIZED};

bool EndsInRemovableBackslash(const std::string& path) {
    if (path.empty() || path.back() != '\\' || path.size() == 1) {
        return false;
    }
    const bool driveRoot = path.size() == 3 && path[1] == ':';
    return !driveRoot;
}

} // namespace

TAppExec::TAppExec(TComponent* owner)
    : TComponent(owner), exeParams_(std::make_unique<TStringList>()) {}

const ComponentClass& TAppExec::Class() {
    static const ComponentClass type{
        .name = "TAppExec",
        .parent = &ComponentBaseClass(),
        .create = [](TComponent* owner) -> TComponent* { return new TAppExec(owner); },
        .properties = {Property("ChangeDir", &TAppExec::SetChangeDir), ReadOnlyProperty("ErrNo"),
                       Property("ExeName", &TAppExec::SetExeName),
                       StringsProperty("ExeParams", &TAppExec::SetExeParams),
                       Property("ExePath", &TAppExec::SetExePath),
                       Property("Wait", &TAppExec::SetWait),
                       EnumProperty("WindowState", &TAppExec::SetWindowState, WindowStateNames)},
    };
    return type;
}

void TAppExec::SetExePath(const std::string& value) {
    // Compared before trimming: the stored form again is no change, even with its backslash.
    if (value == exePath_) {
        return;
    }
    exePath_ = value;
    if (EndsInRemovableBackslash(exePath_)) {
        exePath_.pop_back();
    }
}

void TAppExec::SetWindowState(TWindowState value) {
    if (value == windowState_) {
        return;
    }
    showCommand_ = ShowCommands[value];
    windowState_ = value;
}

std::string TAppExec::GetErrorText() const {
    return ErrorTextFor(errNo_);
}
