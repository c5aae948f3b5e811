#pragma once
// The text an error box shows for an exception: its message (Windows-1251), with
// "." appended when the message's last character comes after "." in code order.

#include <exception>
#include <string>

namespace zhcalc {

std::string errorBoxText(const std::exception_ptr& error);

}  // namespace zhcalc
