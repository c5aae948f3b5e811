#pragma once
// The about window: scrolling credits on the left, a temperature converter on
// the right. Every opening makes a new window in the state of its layout.

#include <QDialog>
#include <QImage>
#include <QRegion>
#include <functional>

#include "about/temp_convertor.h"
#include "engine/decimal_separator.h"

namespace zhcalc::controls {
class BackGround;
class FlatEdit;
class FlatGroupBox;
}  // namespace zhcalc::controls

namespace zhcalc::about {

class Credits;
struct ConverterButtonLayout;

// The decimal separator in force when a converter button is pressed.
using SeparatorSource = std::function<DecimalSeparator()>;

class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    // Pixels of exactly this colour (red 0, green 0, blue 65) are holes in the window.
    static constexpr QRgb kTransparentColor = 0xFF000041;

    explicit AboutWindow(SeparatorSource separator, QWidget* owner = nullptr);
    ~AboutWindow() override;

    const TempConvertor& convertor() const { return convertor_; }
    Credits* credits() const { return credits_; }

    // What a converter button does on click: the edit's number converted in place.
    void convert(const ConverterButtonLayout& button);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void applyColourKey();

    SeparatorSource separator_;
    TempConvertor convertor_;
    controls::BackGround* background_ = nullptr;
    controls::FlatGroupBox* aboutBox_ = nullptr;
    controls::FlatGroupBox* converterBox_ = nullptr;
    Credits* credits_ = nullptr;
    controls::FlatEdit* temperatureEdit_ = nullptr;
};

// The window's shape under a colour key: all of `picture` except the pixels of
// exactly the key colour.
QRegion colourKeyShape(const QImage& picture, QRgb key);

// Creates a new about window owned by `owner` that deletes itself, its scroller
// and the scroller's thread when closed. Not yet shown.
AboutWindow* createAboutWindow(QWidget* owner, SeparatorSource separator);

// Opens a new about window over `owner` and returns when the user has closed it.
void showAboutWindow(QWidget* owner, SeparatorSource separator);

}  // namespace zhcalc::about
