#pragma once
// The credits scroller: centred lines of text rising over a cached gradient, one
// pixel per timer tick, fading in at the bottom and out at the top.

#include <QImage>
#include <memory>

#include "about/credit_sections.h"
#include "about/credits_frame.h"
#include "about/credits_position.h"
#include "about/thread_timer.h"
#include "controls/background.h"

namespace zhcalc::about {

class CustomCredits : public controls::CustomBackGround {
    Q_OBJECT
  public:
    explicit CustomCredits(QWidget* parent = nullptr);
    // Stops and joins the timer thread before anything it could reach goes away.
    ~CustomCredits() override;

    CreditSections& credits() { return sections_; }
    const CreditSections& credits() const { return sections_; }
    CreditFont creditsHeaderFont() const { return sections_.headerFont(); }
    void setCreditsHeaderFont(const CreditFont& font) { sections_.setHeaderFont(font); }
    CreditFont creditsBodyFont() const { return sections_.bodyFont(); }
    void setCreditsBodyFont(const CreditFont& font) { sections_.setBodyFont(font); }
    int creditsSectionSpace() const { return sections_.sectionSpace(); }
    void setCreditsSectionSpace(int space) { sections_.setSectionSpace(space); }

    int creditsPosition() const { return position_; }
    void setCreditsPosition(int position);
    int minPosition() const { return 0; }
    int maxPosition() const;

    bool cycled() const { return mode_.cycled; }
    void setCycled(bool cycled) { mode_.cycled = cycled; }
    bool backward() const { return mode_.backward; }
    void setBackward(bool backward) { mode_.backward = backward; }

    // The text path; none of these repaints, the next tick shows the change.
    // The first positive size sets the defaults (begin at the bottom row, end at
    // the top, fading over 50 rows at each end) before any value given here.
    CreditsPath path() const;
    void setPathBegin(int row);     // clamped to 0 .. height
    void setPathEnd(int row);       // clamped to 0 .. height
    void setPathRiseTo(int row);    // clamped between begin and end
    void setPathFallFrom(int row);  // clamped between begin and end

    bool timerEnabled() const { return timer_->enabled(); }
    // A one-way scroll that stands at the end it heads for stays stopped.
    void setTimerEnabled(bool enabled);
    unsigned timerInterval() const { return static_cast<unsigned>(timer_->interval().count()); }
    void setTimerInterval(unsigned milliseconds);

    // The pictures the frames are made of, for inspection.
    const QImage& plainBackground() const { return plain_; }
    const QImage& textBitmap() const { return composer_.text(); }

  signals:
    // After every tick.
    void timerTicked();
    // A one-way scroll reached an end.
    void creditsEnded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void timerTick();
    // Scrolls to `position`, painting the change at once or on the next pass.
    void moveCredits(int position, bool paintNow);
    void rebuildTextBitmap();
    void contentChanged();
    QColor keyColor() const;
    int clampToPath(int row) const;
    void takeFirstSizing() const;
    // Where the current frame may show text.
    QRect textArea() const;

    CreditSections sections_;
    // Taken from the first positive size as soon as anything asks for it.
    mutable CreditsPath path_;
    CreditsScrollMode mode_;
    int position_ = 0;
    mutable bool firstSizingPending_ = true;
    QImage plain_;
    FrameComposer composer_;
    QRect shownTextArea_;  // where the last composed frame may hold text
    // Declared last: it is created after, and stopped before, everything it uses.
    std::unique_ptr<ThreadTimer> timer_;
};

class Credits : public CustomCredits {
    Q_OBJECT
  public:
    using CustomCredits::CustomCredits;
};

}  // namespace zhcalc::about
