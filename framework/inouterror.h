#pragma once

#include "framework/exception.h"

// A failed input/output operation of the framework: carries the system's error code, and
// a message chosen by that code.
class EInOutError : public Exception {
public:
    explicit EInOutError(int errorCode);

    int ErrorCode() const { return errorCode_; }
    const char* ClassName() const noexcept override { return "EInOutError"; }

private:
    int errorCode_;
};
