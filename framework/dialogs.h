#pragma once

#include <string>

class TApplication;

// The framework's modal message dialogs: centred on the screen, with one "OK" button that
// is both the default and the cancel button. Their modal loop takes every message through
// the application's message routine, so the message hook sees them all and timers keep
// ticking; a dialog ends at once, as if cancelled, when the application terminates.

// The error kind: captioned "Error", with the system's error icon.
void ShowErrorDialog(const std::string& text);

// The plain kind: captioned with the application's title, with no icon.
void ShowMessage(const std::string& text);

struct MessageDialogParams {
    std::string caption;
    std::string text;
    // One of the system's icons (IDI_HAND and the like), or none.
    const char* icon = nullptr;
};

// Both kinds, with the modal loop run through the given application; returns at once when
// that application has already terminated.
void ShowMessageDialog(TApplication& application, const MessageDialogParams& params);
