#pragma once

#include <stdexcept>
#include <string>

namespace kpd {

// The one error type of the data model. The codes are the classic run-time error numbers
// that the editor's messages ("Error: " followed by the number) have always shown.
class ModelError : public std::runtime_error {
public:
    enum Code {
        InvalidCall = 5,
        Overflow = 6,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        DuplicateKey = 457,
    };

    ModelError(Code code, const std::string& description)
        : std::runtime_error(description), code_(code) {}

    Code code() const { return code_; }

private:
    Code code_;
};

} // namespace kpd
