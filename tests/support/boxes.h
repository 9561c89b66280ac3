#pragma once

#include <windows.h>

#include <functional>
#include <future>
#include <optional>
#include <string>

// What a user sees of a message box.
struct BoxSeen {
    std::string text;
    bool hasIcon = false;
    // Icon handles are the process's own: known only for a box of this process.
    bool hasStopIcon = false;
};

// Waits up to timeoutMs for a top-level dialog with that caption, in this process or another,
// reads it, calls whileShown and presses its OK button; nothing when no such box shows in time.
std::optional<BoxSeen> AnswerBox(const std::string& caption, DWORD timeoutMs,
                                 const std::function<void()>& whileShown = {});

// The same on a thread of its own, for a box that the calling thread is about to show.
std::future<std::optional<BoxSeen>> AnswerBoxLater(const std::string& caption,
                                                   DWORD timeoutMs = 5000,
                                                   std::function<void()> whileShown = {});
