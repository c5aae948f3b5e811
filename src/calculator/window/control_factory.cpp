#include "calculator/window/control_factory.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "controls/colors.h"

namespace zhcalc::factory {
namespace {

class ClickLabel : public QLabel {
  public:
    ClickLabel(QWidget* parent, std::function<void()> clicked)
        : QLabel(parent), clicked_(std::move(clicked)) {}

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (clicked_ && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint()))
            clicked_();
    }

  private:
    std::function<void()> clicked_;
};

void place(QWidget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(geometry);
}

}  // namespace

QFont fontFor(const layout::FontSpec& spec) {
    QFont font(QString::fromUtf8(spec.family));
    font.setPixelSize(spec.pixelHeight);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

QWidget* createBackground(QWidget* parent, const layout::ControlLayout& row) {
    auto* widget = new QLabel(parent);
    place(widget, row.name, row.geometry);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, controls::resolveColor(layout::kBackgroundLight));
    widget->setPalette(palette);
    return widget;
}

QWidget* createLabel3D(QWidget* parent, const layout::ControlLayout& row,
                       std::function<void()> clicked) {
    auto* label = new ClickLabel(parent, std::move(clicked));
    place(label, row.name, row.geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(fontFor(row.font));
    label->setText(QString::fromUtf8(row.caption));
    return label;
}

void setLabelCaption(QWidget* label, const QString& caption) {
    static_cast<QLabel*>(label)->setText(caption);
}

QString labelCaption(const QWidget* label) {
    return static_cast<const QLabel*>(label)->text();
}

QWidget* createShapeKey(QWidget* parent, const layout::ShapeKeyLayout& row, const QString& caption,
                        std::function<void()> clicked) {
    auto* button = new QPushButton(caption, parent);
    place(button, row.name, row.geometry);
    button->setFont(fontFor(row.font));
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, button, std::move(clicked));
    return button;
}

QWidget* createImageKey(QWidget* parent, const layout::ControlLayout& row,
                        std::function<void()> clicked) {
    auto* button = new QPushButton(parent);
    place(button, row.name, row.geometry);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, button, std::move(clicked));
    return button;
}

QWidget* createToggleSwitch(QWidget* parent, const layout::ControlLayout& row,
                            std::function<void(bool on)> toggled) {
    auto* button = new QPushButton(parent);
    place(button, row.name, row.geometry);
    button->setCheckable(true);
    QObject::connect(button, &QPushButton::toggled, button, std::move(toggled));
    return button;
}

bool switchIsOn(const QWidget* toggleSwitch) {
    return static_cast<const QAbstractButton*>(toggleSwitch)->isChecked();
}

QIcon trayIcon() {
    QPixmap picture(35, 22);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.fillRect(0, 7, 35, 8, Qt::blue);
    p.fillRect(0, 15, 35, 7, Qt::red);
    return QIcon(picture);
}

void installFonts() {}

}  // namespace zhcalc::factory
