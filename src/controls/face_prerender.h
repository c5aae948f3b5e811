#pragma once
// Draws the first pictures of many buttons on a thread of its own. A window hands
// over its buttons before it is shown; while the GUI thread maps the window and
// paints the rest, the other core draws the keys, and their first paint only puts
// the pictures on the screen. Text drawing takes its fonts on the thread that
// draws, so most of the fonts' loading moves along with it.

#include <QList>
#include <future>
#include <thread>

namespace zhcalc::controls {

class BitButton;

class FacePrerender {
  public:
    // Takes each button's face on the calling (GUI) thread, offers each button the
    // picture to come, and starts drawing them in the given order: all the faces
    // first, then, once `textReady` is (the fonts can be loaded without doing the
    // work of another thread twice), the glyphs and captions.
    explicit FacePrerender(const QList<BitButton*>& buttons,
                           std::shared_future<void> textReady = {});
    // Stops drawing (pictures not yet drawn come out null, and the buttons draw
    // them themselves) and waits for the thread.
    ~FacePrerender();
    FacePrerender(const FacePrerender&) = delete;
    FacePrerender& operator=(const FacePrerender&) = delete;

  private:
    std::jthread thread_;
};

}  // namespace zhcalc::controls
