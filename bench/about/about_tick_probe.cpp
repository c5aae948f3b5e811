// The about window's credits scroller, alone in the same widget tree as in the
// window (gradient background, transparent flat group box), run for a fixed
// number of timer ticks. Made for instruction counting under callgrind, where the
// whole about window cannot start (its converter needs extended precision).
//   about_tick_probe [ticks]
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <string>

#include "about/about_credits.h"
#include "about/credits.h"
#include "controls/background.h"
#include "controls/flat_group_box.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int wanted = argc > 1 ? std::stoi(argv[1]) : 100;

    QDialog window;
    window.setFixedSize(535, 290);
    auto* background = new zhcalc::controls::BackGround(&window);
    background->setFillType(QStringLiteral("GradientVert"));
    auto* box = new zhcalc::controls::FlatGroupBox(QStringLiteral("Box"), &window);
    box->setGeometry(0, 0, 273, 281);
    box->setTransparent(true);
    auto* credits = new zhcalc::about::Credits(box);
    credits->setGeometry(2, 15, 269, 264);
    zhcalc::about::fillAboutCredits(credits->credits());
    credits->setCreditsPosition(0);
    credits->setFillType(QStringLiteral("GradientVert"));
    credits->setPathBegin(264);
    credits->setPathRiseTo(259);
    credits->setPathFallFrom(50);
    credits->setTimerInterval(20);

    int ticks = 0;
    QObject::connect(credits, &zhcalc::about::Credits::timerTicked, [&] {
        // Quit once the last tick's repaint is through.
        if (++ticks == wanted) QTimer::singleShot(0, &app, &QApplication::quit);
    });
    window.show();
    return QApplication::exec();
}
