#pragma once
// The about window's controls as its layout places them, without what they do: the
// background, the two group boxes, the temperature edit and the converter buttons,
// with the Tab order through the edit and the buttons.

#include <QFont>
#include <QWidget>
#include <vector>

namespace zhcalc::controls {
class BackGround;
class FlatButton;
class FlatEdit;
class FlatGroupBox;
}  // namespace zhcalc::controls

namespace zhcalc::about {

struct AboutControls {
    controls::BackGround* background;
    controls::FlatGroupBox* aboutBox;
    controls::FlatGroupBox* converterBox;
    controls::FlatEdit* temperatureEdit;
    std::vector<controls::FlatButton*> buttons;  // one per row of kConverterButtons
};

// MS Sans Serif of the given pixel height, as the layout names it.
QFont aboutLayoutFont(int pixelHeight);

// Creates the controls on `window` (their owner), in creation order.
AboutControls buildAboutControls(QWidget* window);

}  // namespace zhcalc::about
