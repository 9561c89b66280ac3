#include "launcher/autostart.h"

#include "framework/files.h"
#include "framework/inifile.h"
#include "framework/mutexguard.h"
#include "launcher/quillmark.h"

void SwitchAutoStartOff() {
    // Held until the INI object is freed, and so flushed; a refused write releases it too.
    const TMutexGuard turn(quillmark::kIniSwitchMutex, quillmark::kIniSwitchWait);
    if (FileExists(quillmark::kIniPath)) {
        TIniFile ini(quillmark::kIniPath);
        ini.WriteBool(quillmark::kUserManSection, quillmark::kUseAutoStartKey, false);
    }
}
