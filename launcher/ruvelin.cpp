#include "framework/application.h"
#include "framework/startup.h"
#include "launcher/main.h"

#include <windows.h>

namespace {

void ProgramBody() {
    Application->Initialize();
    Application->CreateForm<TMainForm>();
    Application->Run();
}

} // namespace

// The command line is not read.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunProgram(ProgramBody);
}
