#pragma once

#include <QString>

#include <optional>
#include <utility>

// The result of an operation that can fail with a message: either a value or an error text.
// Readers and writers of the program's files return this instead of throwing.
template <typename T>
class Expected {
public:
    Expected(T value) : value_(std::move(value)) {}

    static Expected failure(QString message)
    {
        Expected result;
        result.error_ = std::move(message);
        return result;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }

    // Empty when ok().
    const QString& error() const { return error_; }

private:
    Expected() = default;
    std::optional<T> value_;
    QString error_;
};

// The result of an operation without a value.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(QString message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

private:
    Status() = default;
    explicit Status(QString message) : error_(std::move(message)), failed_(true) {}
    QString error_;
    bool failed_ = false;
};
