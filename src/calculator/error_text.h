#pragma once
// The text of the error box that reports an operation's failure.

#include <exception>
#include <string>
#include <string_view>

namespace zhcalc {

// The message with "." appended when its last character comes after "." in character
// order (bytes compared unsigned): "Syntax error" -> "Syntax error.",
// "Invalid condition (no cramp)" stays as it is.
std::string errorBoxText(std::string_view message);

// The same for a caught exception: the message of a zhcalc::Exception, "Out of memory"
// for std::bad_alloc, what() for anything else.
std::string errorBoxText(const std::exception& error);

}  // namespace zhcalc
