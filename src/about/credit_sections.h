#pragma once
// The text of a credits scroller: sections of body lines under an optional
// header, each with its fonts, text effects and columns. A section follows the
// collection's fonts and column space until it is given its own.

#include <QColor>
#include <QFont>
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zhcalc::about {

enum class CreditTextEffect : std::uint8_t { cteNone = 0, cteRaised = 1, cteLowered = 2 };

// A font with the colour its text is drawn in.
struct CreditFont {
    QFont font;
    QColor color;
    friend bool operator==(const CreditFont&, const CreditFont&) = default;
};

// Arial with the given pixel height and colour.
CreditFont arialCreditFont(int pixelHeight, QColor color);

class CreditSections;

class CreditSection {
  public:
    explicit CreditSection(CreditSections& owner) : owner_(&owner) {}
    CreditSection(const CreditSection&) = delete;
    CreditSection& operator=(const CreditSection&) = delete;

    const QString& header() const { return header_; }
    void setHeader(const QString& header);
    const QStringList& body() const { return body_; }
    void setBody(const QStringList& body);

    // The fonts in force: the section's own, or the collection's while it follows them.
    const CreditFont& headerFont() const;
    const CreditFont& bodyFont() const;
    void setHeaderFont(const CreditFont& font);
    void setBodyFont(const CreditFont& font);
    bool parentHeaderFont() const { return !ownHeaderFont_; }
    bool parentBodyFont() const { return !ownBodyFont_; }
    void setParentHeaderFont(bool follow);
    void setParentBodyFont(bool follow);

    CreditTextEffect headerTextEffect() const { return headerEffect_; }
    CreditTextEffect bodyTextEffect() const { return bodyEffect_; }
    void setHeaderTextEffect(CreditTextEffect effect);
    void setBodyTextEffect(CreditTextEffect effect);

    int colCount() const { return colCount_; }
    void setColCount(int count);  // below 1 is ignored
    int colSpace() const;
    // A space other than the collection's becomes the section's own; the
    // collection's value makes it follow the collection again.
    void setColSpace(int space);
    bool parentColSpace() const { return !ownColSpace_; }
    void setParentColSpace(bool follow);

    // The size last measured; (0, 0) until measured again after a change.
    QSize measuredSize() const { return measured_; }
    void setMeasuredSize(QSize size) { measured_ = size; }

  private:
    void changed();

    CreditSections* owner_;
    QString header_;
    QStringList body_;
    std::optional<CreditFont> ownHeaderFont_;
    std::optional<CreditFont> ownBodyFont_;
    CreditTextEffect headerEffect_ = CreditTextEffect::cteRaised;
    CreditTextEffect bodyEffect_ = CreditTextEffect::cteRaised;
    int colCount_ = 1;
    std::optional<int> ownColSpace_;
    QSize measured_{0, 0};
};

class CreditSections {
  public:
    // `changed` runs after every change of the text or its look.
    explicit CreditSections(std::function<void()> changed = {});
    CreditSections(const CreditSections&) = delete;
    CreditSections& operator=(const CreditSections&) = delete;

    CreditSection& add();
    void clear();
    int count() const { return static_cast<int>(sections_.size()); }
    CreditSection& operator[](int index) { return *sections_.at(static_cast<std::size_t>(index)); }
    const CreditSection& operator[](int index) const {
        return *sections_.at(static_cast<std::size_t>(index));
    }

    const CreditFont& headerFont() const { return headerFont_; }
    const CreditFont& bodyFont() const { return bodyFont_; }
    void setHeaderFont(const CreditFont& font);
    void setBodyFont(const CreditFont& font);
    int colSpace() const { return colSpace_; }
    void setColSpace(int space);
    int sectionSpace() const { return sectionSpace_; }
    void setSectionSpace(int space);  // never below 0

    // The size of the last complete drawing.
    int totalHeight() const { return totalHeight_; }
    int totalWidth() const { return totalWidth_; }
    void setTotals(int width, int height) {
        totalWidth_ = width;
        totalHeight_ = height;
    }

    void notifyChanged();

  private:
    void forgetMeasurements();

    std::function<void()> changed_;
    std::vector<std::unique_ptr<CreditSection>> sections_;
    CreditFont headerFont_;
    CreditFont bodyFont_;
    int colSpace_ = 0;
    int sectionSpace_ = 0;
    int totalHeight_ = 0;
    int totalWidth_ = 0;
};

}  // namespace zhcalc::about
