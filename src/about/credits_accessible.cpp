#include "about/credits_accessible.h"

#include <QAccessible>
#include <QStringList>

#include "about/credits.h"
#include "controls/accessibility/control_accessibles.h"
#include "controls/accessibility/read_only_text.h"

namespace zhcalc::about {
namespace {

class CreditsAccessible : public controls::accessibility::ReadOnlyTextAccessible {
  public:
    explicit CreditsAccessible(CustomCredits* credits)
        : ReadOnlyTextAccessible(credits, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return controls::accessibility::nameOr(widget(), wholeText());
        return ReadOnlyTextAccessible::text(t);
    }
    QString wholeText() const override {
        return creditsText(static_cast<const CustomCredits*>(widget())->credits());
    }
};

// Qt's accessibility cache owns what this returns.
QAccessibleInterface* creditsInterface(const QString&, QObject* object) {
    if (auto* credits = qobject_cast<CustomCredits*>(object)) return new CreditsAccessible(credits);
    return nullptr;
}

}  // namespace

QString creditsText(const CreditSections& sections) {
    QStringList lines;
    for (int i = 0; i < sections.count(); ++i) {
        const CreditSection& section = sections[i];
        if (!section.header().isEmpty()) lines << section.header();
        lines << section.body();
    }
    return lines.join(QLatin1Char('\n'));
}

void installCreditsAccessible() {
    QAccessible::installFactory(&creditsInterface);
}

}  // namespace zhcalc::about
