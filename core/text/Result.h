#pragma once

#include <QString>
#include <optional>
#include <utility>

// What an operation that can fail gives back: its value, or the reason the user is shown (the
// system's words, or the program's own). Reading and writing files, loading and saving
// playlists, reading a song's header and writing settings all answer with it.
//
//     Result<QByteArray> bytes = readWholeFile(path);
//     if (!bytes)
//         tell(bytes.reason());
struct Failure {
    QString reason;
};

// The failure of an operation, for its return statement: return fail(file.errorString());
inline Failure fail(QString reason) {
    return {std::move(reason)};
}

template <typename T = void> class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : reason_(std::move(failure.reason)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Why it failed; empty when it did not.
    const QString& reason() const { return reason_; }

    // The value; only when ok().
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }

private:
    std::optional<T> value_;
    QString reason_;
};

// An operation that gives nothing back but may fail.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : ok_(false), reason_(std::move(failure.reason)) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const QString& reason() const { return reason_; }

private:
    bool ok_ = true;
    QString reason_;
};
