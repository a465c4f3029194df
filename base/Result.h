// How the portable libraries tell that an operation failed: it returns a Status (success or
// a failure) or an Expected<T> (its value or a failure), and the failure's message says what
// failed and where ("cannot open data/CONFIG.DBF", "plan.gpx line 4: ..."), ready for the
// program to show in its own way. Nothing is thrown across a library's interface. A caller
// hands a failure on as it is: `if (!plan) return plan.Failed();`.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace nav {

struct Failure {
    std::string message;
};

inline Failure Fail(std::string message)
{
    return Failure{std::move(message)};
}

class [[nodiscard]] Status {
public:
    Status() = default;  // success
    Status(Failure failure) : failure_(std::move(failure)), failed_(true) {}

    bool Ok() const { return !failed_; }
    explicit operator bool() const { return !failed_; }
    // Empty on success.
    const std::string& Message() const { return failure_.message; }
    const Failure& Failed() const { return failure_; }

private:
    Failure failure_;
    bool failed_ = false;
};

template <class T>
class [[nodiscard]] Expected {
public:
    // Whatever makes a T: `return text;`, `return {};`.
    template <class U = T>
    requires(std::is_constructible_v<T, U&&> && !std::is_same_v<std::remove_cvref_t<U>, Failure> &&
             !std::is_same_v<std::remove_cvref_t<U>, Expected>) Expected(U&& value)
        : state_(std::in_place_index<0>, std::forward<U>(value))
    {
    }
    Expected(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }

    // The value; asking a failure for it throws std::bad_variant_access, a bug of the caller.
    T& operator*() { return std::get<0>(state_); }
    const T& operator*() const { return std::get<0>(state_); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }

    // Empty on success.
    const std::string& Message() const
    {
        static const std::string none;
        return Ok() ? none : std::get<1>(state_).message;
    }
    const Failure& Failed() const { return std::get<1>(state_); }
    Status AsStatus() const { return Ok() ? Status() : Status(Failed()); }

private:
    std::variant<T, Failure> state_;
};

}  // namespace nav
