#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace lumio {

// The run-time error a control raises to its caller or host. The numbers keep the
// classic run-time error codes, because hosts and callers compare them.
enum class ErrorNumber : std::int32_t {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    PathNotFound = 76,
    InvalidPropertyValue = 380,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorNumber number, const std::string& what)
        : std::runtime_error(what), number_(number) {}

    ErrorNumber number() const noexcept { return number_; }

private:
    ErrorNumber number_;
};

} // namespace lumio
