#pragma once

#include <windows.h>

#include <functional>
#include <future>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What a user sees of a message box.
struct BoxSeen {
    std::string caption;
    std::string text;
    bool hasIcon = false;
    // Icon handles are the process's own: known only for a box of this process.
    bool hasStopIcon = false;
};

// For failure messages that show a box that should not have been there.
void PrintTo(const BoxSeen& seen, std::ostream* out);

// Reads a shown box, in this process or another.
BoxSeen ReadBox(HWND box);

// What a user's press of the box's OK button does; nothing waits for the box to go.
void PressOk(HWND box);

// The shown message boxes and message dialogs of this process, whichever of its threads
// opened them.
std::vector<HWND> BoxesOfThisProcess();

// Waits up to timeoutMs for a top-level dialog with that caption, in this process or another,
// reads it, calls whileShown and presses its OK button. When none shows in time, the test fails
// saying so, and the result is empty.
std::optional<BoxSeen> AnswerBox(const std::string& caption, DWORD timeoutMs,
                                 const std::function<void()>& whileShown = {});

// The same on a thread of its own, for a box that the calling thread is about to show.
std::future<std::optional<BoxSeen>> AnswerBoxLater(const std::string& caption,
                                                   DWORD timeoutMs = 5000,
                                                   std::function<void()> whileShown = {});

// For a box that must not show: answers one with that caption that shows within timeoutMs,
// so that the calling thread goes on, and gives what it saw; empty when none showed.
std::future<std::optional<BoxSeen>> UnwantedBoxLater(const std::string& caption, DWORD timeoutMs);
