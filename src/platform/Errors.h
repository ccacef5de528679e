// The program's error kinds: each carries the text that the user sees in the error box.
#pragma once

#include <stdexcept>
#include <string>

namespace kx {

// An index outside an array's declared bounds.
class RangeError : public std::runtime_error {
public:
    RangeError() : std::runtime_error("Range check error") {}
};

// A file operation that failed; code is the program's I/O error number.
class IoError : public std::runtime_error {
public:
    IoError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// A value that cannot be converted (a number out of range, a text that is no number).
class ConvertError : public std::runtime_error {
public:
    explicit ConvertError(const std::string& text) : std::runtime_error(text) {}
};

// A platform service used before the program installed it: a fault of start-up, not of the user's
// action, so it ends the program with the service's name on the error output.
[[noreturn]] void MissingService(const char* service);

} // namespace kx
