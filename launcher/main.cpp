#include "launcher/main.h"

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

void TMainForm::FormCreate(TComponent*) {}

// Runs once: the timer goes off first.
void TMainForm::Timer1Timer(TComponent*) {
    Timer1->SetEnabled(false);
}
