#pragma once

#include <QString>

#include <optional>
#include <utility>

// The result of an operation that can fail with a message: either a value or an error text.
// Readers and writers of the program's files return this instead of throwing. A result must be
// looked at; asking for the value of a failure (or the error of a success) is a programming
// error that debug builds stop at.
template <typename T>
class [[nodiscard]] Expected {
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

    const T& value() const&
    {
        Q_ASSERT(ok());
        return *value_;
    }
    T& value() &
    {
        Q_ASSERT(ok());
        return *value_;
    }
    T&& value() &&
    {
        Q_ASSERT(ok());
        return std::move(*value_);
    }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    // Empty when ok().
    const QString& error() const { return error_; }

private:
    Expected() = default;
    std::optional<T> value_;
    QString error_;
};

// The result of an operation without a value.
class [[nodiscard]] Status {
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
