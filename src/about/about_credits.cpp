#include "about/about_credits.h"

namespace zhcalc::about {

CreditFont aboutBodyFont() {
    return arialCreditFont(19, QColor(0, 0, 255));
}
CreditFont aboutHeaderFont() {
    return arialCreditFont(19, QColor(255, 0, 0));
}

void fillAboutCredits(CreditSections& sections) {
    sections.clear();
    sections.setBodyFont(aboutBodyFont());
    sections.setHeaderFont(aboutHeaderFont());

    CreditSection& made = sections.add();
    made.setBody({QStringLiteral("Это калькулятор создан")});
    made.setHeaderFont(aboutHeaderFont());
    made.setBodyFont(aboutBodyFont());
    made.setParentColSpace(false);
    made.setBodyTextEffect(CreditTextEffect::cteRaised);

    CreditSection& when = sections.add();
    when.setBody({QStringLiteral("В 2000-2004 году"), QStringLiteral("Только ради развлечения")});
    when.setBodyFont(aboutBodyFont());
    when.setBodyTextEffect(CreditTextEffect::cteLowered);

    CreditSection& author = sections.add();
    author.setBody({QStringLiteral("Автор творения - "), QStringLiteral("Евстафий Пыжов"),
                    QStringLiteral("пишите письма"), QString::fromLatin1(kContactAddress)});
    author.setBodyFont(aboutBodyFont());
    author.setBodyTextEffect(CreditTextEffect::cteRaised);

    CreditSection& wish = sections.add();
    wish.setBody({QStringLiteral("Если хотите чтоб"), QStringLiteral("Заработали серые кнопки"),
                  QStringLiteral("Просто надо прислать"), QStringLiteral("мне АЛГОРИТМ"),
                  QStringLiteral("этих функций.")});
    wish.setBodyTextEffect(CreditTextEffect::cteRaised);

    CreditSection& history = sections.add();
    history.setBody({QStringLiteral("История"), QStringLiteral("ver 1.2.8 - первая "),
                     QStringLiteral("публичная версия")});
    history.setBodyTextEffect(CreditTextEffect::cteRaised);
}

}  // namespace zhcalc::about
