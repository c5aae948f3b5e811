#pragma once
// One frame of the credits: the text bitmap blended over the plain background
// along the text path, fading in at one end of the path and out at the other.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

namespace zhcalc::about {

// Rows of the control: the text enters at `begin` and leaves at `end`; it is
// fully opaque between `riseTo` and `fallFrom`.
struct CreditsPath {
    int begin = 0;
    int end = 0;
    int riseTo = 0;
    int fallFrom = 0;
    friend bool operator==(const CreditsPath&, const CreditsPath&) = default;
};

// The defaults a control of height h takes at its first sizing.
constexpr CreditsPath defaultCreditsPath(int height) {
    return {height, 0, height - 50, 50};
}

// The background's share of row y in percent: 0 shows the text fully, 100 not at all.
int rowFade(const CreditsPath& path, int y);

// Copies `plain` over `cache`, then blends `text` onto it for scroll position
// `position` within a control of size `control`. Text pixels of colour `key`
// are transparent. `cache` and `plain` have the same size, at least `control`.
void composeFrame(QImage& cache, const QImage& plain, const QImage& text, QColor key,
                  const CreditsPath& path, int position, QSize control);

// The part of the control where composeFrame may put text pixels at `position`
// (empty when none); outside it the frame is the plain picture.
QRect frameTextArea(QSize text, const CreditsPath& path, int position, QSize control);

// composeFrame for a scroller that draws frame after frame into the same cache:
// instead of copying the whole plain picture it restores only the pixels the
// previous frame drew, and it walks only the text pixels, found once per text.
// The cache must hold what the previous compose left there; after anything else
// writes to it, call restoreAll().
class FrameComposer {
  public:
    // The text bitmap and its transparent colour; the composer keeps a copy.
    void setText(const QImage& text, QColor key);
    const QImage& text() const { return text_; }
    void restoreAll() { restoreAll_ = true; }
    void compose(QImage& cache, const QImage& plain, const CreditsPath& path, int position,
                 QSize control);

  private:
    struct Run {
        int begin;  // first column of a row's run of text pixels
        int end;    // one past the last
    };
    struct Span {
        int row;
        int begin;
        int end;
    };

    QImage text_;
    std::vector<Run> runs_;
    std::vector<int> rowStarts_;  // runs of text row g: rowStarts_[g] .. rowStarts_[g + 1]
    std::vector<Span> drawn_;
    bool restoreAll_ = true;
    QSize lastCacheSize_;
};

}  // namespace zhcalc::about
