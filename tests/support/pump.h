#pragma once

#include "framework/application.h"

#include <windows.h>

#include <functional>

// Handles the thread's messages through the application's message routine until done()
// holds; false when timeoutMs passes first. A thread timer keeps the routine from waiting
// for ever on an empty queue.
bool PumpUntil(TApplication& application, const std::function<bool()>& done, DWORD timeoutMs);
