#pragma once

#include "framework/form.h"
#include "framework/label.h"
#include "framework/timer.h"
#include "process/appexec.h"

#include <windows.h>

// The launcher's one window: it tells the user that a check is under way and owns the
// components the launch works with, all made from its layout.
class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner) : TForm(owner, Class()) {}
    static const ComponentClass& Class();

    TLabel* Label1 = nullptr;
    TTimer* Timer1 = nullptr;
    TAppExec* AppExec = nullptr;

private:
    void FormCreate(TComponent* sender);
    // The application's message hook from FormCreate on.
    void AppMessage(MSG& message, bool& handled);
    void Timer1Timer(TComponent* sender);
};
