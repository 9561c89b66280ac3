#pragma once

#include <cstdint>
#include <string>

// The French text for a process-start error number; empty for a number without one.
std::string ErrorTextFor(std::int32_t errNo);

// A system last-error code as an error number holds it: the same 32 bits, read signed.
constexpr std::int32_t ErrNoOf(std::uint32_t lastError) {
    return static_cast<std::int32_t>(lastError);
}
