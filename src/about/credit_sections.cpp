#include "about/credit_sections.h"

#include <algorithm>

#include "controls/fonts.h"

namespace zhcalc::about {

CreditFont arialCreditFont(int pixelHeight, QColor color) {
    QFont font(controls::standInFamily(QStringLiteral("Arial")));
    font.setPixelSize(pixelHeight);
    // Two-colour glyphs: every pixel that differs from the key colour is text.
    font.setStyleStrategy(QFont::NoAntialias);
    return {font, color};
}

// ---- section ------------------------------------------------------------------------

void CreditSection::changed() {
    measured_ = QSize(0, 0);
    owner_->notifyChanged();
}

void CreditSection::setHeader(const QString& header) {
    if (header == header_) return;
    header_ = header;
    changed();
}

void CreditSection::setBody(const QStringList& body) {
    body_ = body;
    changed();
}

const CreditFont& CreditSection::headerFont() const {
    return ownHeaderFont_ ? *ownHeaderFont_ : owner_->headerFont();
}

const CreditFont& CreditSection::bodyFont() const {
    return ownBodyFont_ ? *ownBodyFont_ : owner_->bodyFont();
}

void CreditSection::setHeaderFont(const CreditFont& font) {
    ownHeaderFont_ = font;
    changed();
}

void CreditSection::setBodyFont(const CreditFont& font) {
    ownBodyFont_ = font;
    changed();
}

void CreditSection::setParentHeaderFont(bool follow) {
    if (follow == parentHeaderFont()) return;
    if (follow)
        ownHeaderFont_.reset();
    else
        ownHeaderFont_ = owner_->headerFont();
    changed();
}

void CreditSection::setParentBodyFont(bool follow) {
    if (follow == parentBodyFont()) return;
    if (follow)
        ownBodyFont_.reset();
    else
        ownBodyFont_ = owner_->bodyFont();
    changed();
}

void CreditSection::setHeaderTextEffect(CreditTextEffect effect) {
    if (effect == headerEffect_) return;
    headerEffect_ = effect;
    changed();
}

void CreditSection::setBodyTextEffect(CreditTextEffect effect) {
    if (effect == bodyEffect_) return;
    bodyEffect_ = effect;
    changed();
}

void CreditSection::setColCount(int count) {
    if (count < 1 || count == colCount_) return;
    colCount_ = count;
    changed();
}

int CreditSection::colSpace() const {
    return ownColSpace_ ? *ownColSpace_ : owner_->colSpace();
}

void CreditSection::setColSpace(int space) {
    if (space == owner_->colSpace())
        ownColSpace_.reset();
    else
        ownColSpace_ = space;
    changed();
}

void CreditSection::setParentColSpace(bool follow) {
    if (follow == parentColSpace()) return;
    if (follow)
        ownColSpace_.reset();
    else
        ownColSpace_ = owner_->colSpace();
    changed();
}

// ---- collection ---------------------------------------------------------------------

CreditSections::CreditSections(std::function<void()> changed)
    : changed_(std::move(changed)),
      headerFont_(arialCreditFont(19, QColor(255, 0, 0))),
      bodyFont_(arialCreditFont(19, QColor(0, 0, 255))) {}

CreditSection& CreditSections::add() {
    sections_.push_back(std::make_unique<CreditSection>(*this));
    notifyChanged();
    return *sections_.back();
}

void CreditSections::clear() {
    sections_.clear();
    notifyChanged();
}

void CreditSections::forgetMeasurements() {
    for (const auto& section : sections_)
        section->setMeasuredSize(QSize(0, 0));
}

void CreditSections::setHeaderFont(const CreditFont& font) {
    headerFont_ = font;
    forgetMeasurements();
    notifyChanged();
}

void CreditSections::setBodyFont(const CreditFont& font) {
    bodyFont_ = font;
    forgetMeasurements();
    notifyChanged();
}

void CreditSections::setColSpace(int space) {
    if (space == colSpace_) return;
    colSpace_ = space;
    forgetMeasurements();
    notifyChanged();
}

void CreditSections::setSectionSpace(int space) {
    space = std::max(space, 0);
    if (space == sectionSpace_) return;
    sectionSpace_ = space;
    notifyChanged();
}

void CreditSections::notifyChanged() {
    if (changed_) changed_();
}

}  // namespace zhcalc::about
