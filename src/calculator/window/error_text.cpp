#include "calculator/window/error_text.h"

#include "engine/errors.h"

namespace zhcalc {
namespace {

std::string withFullStop(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
    return message;
}

}  // namespace

std::string errorBoxText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return withFullStop(e.message());
    } catch (const std::exception& e) {
        return withFullStop(e.what());
    } catch (...) {
        return withFullStop("Unknown error");
    }
}

}  // namespace zhcalc
