#pragma once
// The mail label at the bottom left: a raised, underlined caption drawn three
// times (shadow, highlight, text) over its parent, and a click that hands a
// "mailto:" link to the desktop's mail handler.

#include <QString>
#include <QUrl>
#include <QWidget>

namespace zhcalc {

// The link for `address`: "mailto:" is put in front unless the address already
// begins with it in any case.
QUrl mailLink(const QString& address);

class MailLabel : public QWidget {
  public:
    explicit MailLabel(QWidget* parent);

    void setText(const QString& text);
    QString text() const { return text_; }

    void setAddress(const QString& address) { address_ = address; }
    QString address() const { return address_; }

    // Hands the link to the desktop; success or failure is not reported.
    void openLink() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QString text_;
    QString address_;
    bool pressed_ = false;
};

}  // namespace zhcalc
