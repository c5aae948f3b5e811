#include "app/qt_services.h"

#include <xcb/xcb.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/error_box.h"
#include "engine/cp1251.h"
#include "platform/x11_clipboard_reader.h"

namespace zhcalc {
namespace {

// How long a paste waits for the program that holds the clipboard. A program that
// answers at all does so within a few milliseconds, a busy one within some tens; at
// 400 ms a user still sees a short pause rather than a hang, and the error box
// follows at once.
constexpr std::chrono::milliseconds kClipboardWait{400};

xcb_connection_t* qtX11Connection() {
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// Whether `window` belongs to the toolkit's own connection: X resource identifiers
// carry the client's base in the bits outside its mask.
bool isToolkitWindow(std::uint32_t window) {
    xcb_connection_t* connection = qtX11Connection();
    if (connection == nullptr) return false;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return (window & ~setup->resource_id_mask) == setup->resource_id_base;
}

std::optional<std::string> toolkitText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) return std::nullopt;
    return utf8ToCp1251(data->text().toStdString());
}

}  // namespace

QtClipboard::QtClipboard() = default;
QtClipboard::~QtClipboard() = default;

platform::X11ClipboardReader* QtClipboard::x11Reader() {
    if (qtX11Connection() == nullptr) return nullptr;
    if (x11Reader_ == nullptr) {
        x11Reader_ = std::make_unique<platform::X11ClipboardReader>(
            qEnvironmentVariable("DISPLAY").toStdString());
    }
    return x11Reader_.get();
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(cp1251ToUtf8(text)));
    // The toolkit only warns when the server refused it the clipboard (a request
    // timed before the present owner took it); the copy must not pass for done.
    if (platform::X11ClipboardReader* reader = x11Reader()) {
        const std::optional<std::uint32_t> owner = reader->owner();
        if (owner && !isToolkitWindow(*owner)) throw ClipboardUnavailable();
    }
}

std::optional<std::string> QtClipboard::text() {
    // On X11 the clipboard is read here, within a bound; elsewhere (Wayland) and when
    // this program holds the clipboard itself, the toolkit reads it.
    platform::X11ClipboardReader* reader = x11Reader();
    if (reader == nullptr) return toolkitText();
    using Reader = platform::X11ClipboardReader;
    const Reader::Result result = reader->read(kClipboardWait, isToolkitWindow);
    if (const auto* utf8 = std::get_if<Reader::Utf8Text>(&result)) return utf8ToCp1251(utf8->bytes);
    if (const auto* latin1 = std::get_if<Reader::Latin1Text>(&result)) {
        const QByteArray bytes(latin1->bytes.data(), static_cast<qsizetype>(latin1->bytes.size()));
        return utf8ToCp1251(QString::fromLatin1(bytes).toStdString());
    }
    if (std::holds_alternative<Reader::NoText>(result)) return std::nullopt;
    if (std::holds_alternative<Reader::OwnedHere>(result)) return toolkitText();
    throw ClipboardUnavailable();
}

void BoxMessageReporter::showMessage(const std::string& text) {
    showMessageBox(owner_, QString::fromStdString(cp1251ToUtf8(text)));
}

}  // namespace zhcalc
