#include "launcher/main.h"

#include "framework/application.h"
#include "framework/dialogs.h"
#include "framework/strings.h"
#include "launcher/autostart.h"
#include "launcher/quillmark.h"
#include "resources/resource_ids.h"

#include <windows.h>

namespace {

// Set once a suite program has answered; nothing clears it afterwards, so neither the hook
// nor the timer does its work twice while a dialog's loop runs.
bool SuiteRunning = false;

// The suite's message numbers, registered while the window is created.
UINT WMReturnQMTasksWHnd = 0;
UINT WMGetQMTasksWHnd = 0;
UINT WMReturnQMTaskWarnWHnd = 0;
UINT WMGetQMTaskWarnWHnd = 0;
UINT WMReturnQuillmarkWHnd = 0;
UINT WMGetQuillmarkWHnd = 0;

} // namespace

const ComponentClass& TMainForm::Class() {
    static const ComponentClass type{
        .name = "TMainForm",
        .parent = &TForm::Class(),
        .create = [](TComponent* owner) { return new TMainForm(owner); },
        .fields = {Field("Label1", TLabel::Class(), &TMainForm::Label1),
                   Field("Timer1", TTimer::Class(), &TMainForm::Timer1),
                   Field("AppExec", TAppExec::Class(), &TMainForm::AppExec)},
        .methods = {Method("FormCreate", &TMainForm::FormCreate),
                    Method("Timer1Timer", &TMainForm::Timer1Timer)},
    };
    return type;
}

// Asks every running suite program to answer; the timer gives them the time to.
void TMainForm::FormCreate(TComponent*) {
    SuiteRunning = false;
    WMReturnQMTasksWHnd = RegisterWindowMessageA(quillmark::kReturnQMTasksWHnd);
    WMGetQMTasksWHnd = RegisterWindowMessageA(quillmark::kGetQMTasksWHnd);
    WMReturnQMTaskWarnWHnd = RegisterWindowMessageA(quillmark::kReturnQMTaskWarnWHnd);
    WMGetQMTaskWarnWHnd = RegisterWindowMessageA(quillmark::kGetQMTaskWarnWHnd);
    WMReturnQuillmarkWHnd = RegisterWindowMessageA(quillmark::kReturnQuillmarkWHnd);
    WMGetQuillmarkWHnd = RegisterWindowMessageA(quillmark::kGetQuillmarkWHnd);
    Application->SetOnMessage(
        [this](MSG& message, bool& handled) { AppMessage(message, handled); });
    PostMessageA(HWND_BROADCAST, WMGetQMTasksWHnd, 0, 0);
    PostMessageA(HWND_BROADCAST, WMGetQMTaskWarnWHnd, 0, 0);
    PostMessageA(HWND_BROADCAST, WMGetQuillmarkWHnd, 0, 0);
}

// Sees every queued message, so it stays cheap: a reply is told by its number alone, and
// any one of them means the suite must be closed first.
void TMainForm::AppMessage(MSG& message, bool&) {
    if (SuiteRunning) {
        return;
    }
    if (message.message == WMReturnQMTasksWHnd || message.message == WMReturnQMTaskWarnWHnd ||
        message.message == WMReturnQuillmarkWHnd) {
        // Before the dialog: its loop brings further replies and the timer's tick.
        SuiteRunning = true;
        ShowErrorDialog(LoadStr(IDS_CLOSE_ALL_APPLICATIONS));
        Close();
    }
}

// Runs once: the timer goes off first. A failed start is shown and the road goes on; any
// other failure, a refused INI write above all, stops it with the window left open.
void TMainForm::Timer1Timer(TComponent*) {
    Timer1->SetEnabled(false);
    if (SuiteRunning) {
        return;
    }
    try {
        AppExec->Execute();
    } catch (const EAppExec& failure) {
        ShowMessage(failure.Message());
    }
    try {
        SwitchAutoStartOff();
        AppExec->Execute();
    } catch (const EAppExec& failure) {
        ShowMessage(failure.Message());
    }
    Close();
}
