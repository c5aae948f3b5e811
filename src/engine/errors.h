#pragma once
// The calculator's exception family. Every failure carries its message as
// Windows-1251 bytes; the error box and zhcalc-eval show that message.

#include <exception>
#include <string>
#include <utility>

namespace zhcalc {

class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    std::string message_;
};

// Floating-point faults: what the x87 would trap on with invalid operation,
// division by zero and overflow unmasked.
class EMathError : public Exception {
    using Exception::Exception;
};

class EInvalidOp : public EMathError {
  public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EZeroDivide : public EMathError {
  public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EOverflow : public EMathError {
  public:
    EOverflow() : EMathError("Floating point overflow") {}
};

// Problems in the expression text, reported by the parser.
class EParserError : public Exception {
    using Exception::Exception;
};

// Text that is not a number of the requested kind.
class EConvertError : public Exception {
    using Exception::Exception;
};

}  // namespace zhcalc
