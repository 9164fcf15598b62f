#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace tarvello::db {

// The outcome of a database call that gives nothing back: success, or a failure with the text the
// player is shown. Nothing in this layer throws.
class Status {
public:
    static Status success() { return Status(); }
    static Status failure(QString description) { return Status(std::move(description)); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    // Empty on success.
    const QString &description() const { return description_; }

private:
    Status() = default;
    explicit Status(QString description) : ok_(false), description_(std::move(description)) {}

    bool ok_ = true;
    QString description_;
};

// A value or the failure that prevented it.
template <class T> class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Status failure) : description_(failure.description()) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only valid when ok().
    T &value() { return *value_; }
    const T &value() const { return *value_; }
    // Empty on success.
    const QString &description() const { return description_; }
    Status status() const { return ok() ? Status::success() : Status::failure(description_); }

private:
    std::optional<T> value_;
    QString description_;
};

} // namespace tarvello::db
