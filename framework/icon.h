#pragma once

#include "framework/exception.h"
#include "framework/published.h"

#include <windows.h>

#include <memory>
#include <type_traits>

using EInvalidGraphic = ExceptionClass<Exception, "EInvalidGraphic">;

// An icon given as the bytes of an icon file; its first image is used, at the sizes of a
// window's large and small icons.
class TIcon {
public:
    // Raises EInvalidGraphic when the bytes are no icon file.
    void SetData(const Bytes& data);
    bool Empty() const { return !large_; }
    HICON Large() const { return large_.get(); }
    HICON Small() const { return small_.get(); }

private:
    struct Deleter {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    using Handle = std::unique_ptr<std::remove_pointer_t<HICON>, Deleter>;

    Handle large_;
    Handle small_;
};
