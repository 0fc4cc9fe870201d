#pragma once
// The platform's errors that end a command; what() is the text of the
// standard error box.

#include <stdexcept>
#include <string>

namespace gyrelune {

class RangeCheckError : public std::runtime_error {
  public:
    RangeCheckError() : std::runtime_error("Range check error") {}
};

// A file that could not be opened, created, read or written.
class InOutError : public std::runtime_error {
  public:
    // The message names the file when fileName is given: "Disk full: /a/b.atr".
    explicit InOutError(int errnoValue, const std::string& fileName = {});
    int errnoValue() const { return errno_; }

  private:
    int errno_;
};

// The platform's message for a failed file operation: "File not found",
// "File access denied", "Disk full", ..., else "I/O error %d".
std::string inOutErrorMessage(int errnoValue);

// A division whose divisor is 0, as the floating-point unit reports it.
class FloatingPointDivisionError : public std::runtime_error {
  public:
    explicit FloatingPointDivisionError(bool zeroByZero)
        : std::runtime_error(zeroByZero ? "Invalid floating point operation"
                                        : "Floating point division by zero") {}
};

} // namespace gyrelune
