#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <string>

// Base of every failure the program reports: it carries the text shown to the user and
// names its class, which the start-up failure box quotes.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}

    const std::string& Message() const noexcept { return message_; }
    virtual const char* ClassName() const noexcept { return "Exception"; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A class name usable as a template argument.
template <std::size_t N> struct ClassNameText {
    constexpr ClassNameText(const char (&text)[N]) { std::copy_n(text, N, chars); }
    char chars[N];
};

// An exception class that differs from its base only in its class, by which handlers
// choose it, and in the name it reports.
template <typename Base, ClassNameText Name> class ExceptionClass : public Base {
public:
    using Base::Base;
    const char* ClassName() const noexcept override { return Name.chars; }
};

// Silent: the default exception handler drops it without a message.
using EAbort = ExceptionClass<Exception, "EAbort">;
using EConvertError = ExceptionClass<Exception, "EConvertError">;
