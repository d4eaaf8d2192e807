#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

// The result of an operation that can fail with a message: either a value or an error of type
// Error (a text). Readers and writers of the program's files return this instead of throwing.
// A result must be looked at; asking for the value of a failure (or the error of a success) is
// a programming error that debug builds stop at.
template <typename T, typename Error>
class [[nodiscard]] ExpectedOf {
public:
    ExpectedOf(T value) : value_(std::move(value)) {}

    static ExpectedOf failure(Error message)
    {
        ExpectedOf result;
        result.error_ = std::move(message);
        return result;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    const T& value() const&
    {
        assert(ok());
        return *value_;
    }
    T& value() &
    {
        assert(ok());
        return *value_;
    }
    T&& value() &&
    {
        assert(ok());
        return std::move(*value_);
    }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // Empty when ok().
    const Error& error() const { return error_; }

private:
    ExpectedOf() = default;
    std::optional<T> value_;
    Error error_;
};

// The result of an operation without a value.
template <typename Error>
class [[nodiscard]] StatusOf {
public:
    static StatusOf success() { return StatusOf(); }
    static StatusOf failure(Error message) { return StatusOf(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

private:
    StatusOf() = default;
    explicit StatusOf(Error message) : error_(std::move(message)), failed_(true) {}
    Error error_;
    bool failed_ = false;
};

// The core's results carry UTF-8 messages.
template <typename T>
using CoreExpected = ExpectedOf<T, std::string>;
using CoreStatus = StatusOf<std::string>;
