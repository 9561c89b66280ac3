#pragma once

#include <windows.h>

#include <memory>

// A kernel handle that the tests' code owns, closed when it goes.
struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;
