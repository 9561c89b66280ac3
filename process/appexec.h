#pragma once

#include "framework/component.h"
#include "framework/exception.h"
#include "framework/published.h"
#include "framework/stringlist.h"
#include "framework/windowstate.h"

#include <cstdint>
#include <memory>
#include <string>

// Callers catch EAppExec; the two below tell a refused directory change from a program
// that could not be started.
using EAppExec = ExceptionClass<Exception, "EAppExec">;
using EAppExecChDir = ExceptionClass<EAppExec, "EAppExecChDir">;
using EAppExecWinExec = ExceptionClass<EAppExec, "EAppExecWinExec">;

// Starts another program: ExeName followed by the items of ExeParams make its command line;
// it starts in ExePath (when ChangeDir is set) and in the chosen WindowState, and Execute
// waits for its end when Wait is set.
class TAppExec : public TComponent {
public:
    explicit TAppExec(TComponent* owner);

    static const ComponentClass& Class();

    bool ChangeDir() const { return changeDir_; }
    void SetChangeDir(bool value) { changeDir_ = value; }
    // -1 until Execute fails or waits; then the system's error code, or 0 after a wait.
    std::int32_t ErrNo() const { return errNo_; }
    const std::string& ExeName() const { return exeName_; }
    void SetExeName(const std::string& value) { exeName_ = value; }
    // The component's own list, the same object for its whole life.
    TStringList* ExeParams() const { return exeParams_.get(); }
    // Copies value's items; a null value raises EConvertError and keeps the items.
    void SetExeParams(const TStringList* value) { exeParams_->Assign(value); }
    const std::string& ExePath() const { return exePath_; }
    // Stores value without its closing backslash, unless that backslash is the whole path
    // or ends a drive root such as "C:\".
    void SetExePath(const std::string& value);
    bool Wait() const { return wait_; }
    void SetWait(bool value) { wait_ = value; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState value);
    // The show state the started program is given; follows WindowState.
    std::uint16_t ShowCommand() const { return showCommand_; }

    // Raises EAppExecChDir when the directory change is refused, EAppExecWinExec when the
    // program cannot be started. A directory change that succeeded stays in force.
    void Execute();
    std::string GetErrorText() const;

private:
    std::int32_t errNo_ = -1;
    std::string exeName_;
    std::string exePath_;
    std::unique_ptr<TStringList> exeParams_;
    TWindowState windowState_ = wsNormal;
    std::uint16_t showCommand_ = 1;
    bool changeDir_ = true;
    bool wait_ = false;
};
