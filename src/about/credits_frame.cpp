#include "about/credits_frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/number.h"

namespace zhcalc::about {
namespace {

// numerator / denominator rounded to nearest, ties to even (denominator > 0).
// Exact, and so equal to rounding the extended quotient: no quotient of 32-bit
// integers lies within an extended ulp of a half without being one.
int roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && (quotient % 2 != 0))) ++quotient;
    return static_cast<int>(quotient);
}

// |a| * 100 / b, rounded; b is the signed fade length.
int fadePercent(int distance, int length) {
    return roundedQuotient(std::abs(static_cast<std::int64_t>(distance) * 100), std::abs(length));
}

// The blended channel for every weighted sum p * f + t * (100 - f) (0 .. 25500):
// the sum times the extended constant 0.01, rounded to nearest, ties to even.
struct BlendTable {
    std::array<std::uint8_t, 25501> value{};
    // Whether a fully opaque row gives back the text pixel unchanged.
    bool opaqueIsCopy = true;
    BlendTable() {
        const volatile Number hundredth = 0.01L;  // kept out of compile-time folding
        for (int sum = 0; sum <= 25500; ++sum)
            value[static_cast<std::size_t>(sum)] =
                static_cast<std::uint8_t>(std::lrint(static_cast<Number>(sum) * hundredth));
        for (int channel = 0; channel <= 255; ++channel)
            opaqueIsCopy &= value[static_cast<std::size_t>(channel * 100)] == channel;
    }
};

const BlendTable& blendTable() {
    static const BlendTable table;
    return table;
}

}  // namespace

int rowFade(const CreditsPath& path, int y) {
    int fade = 0;
    if (path.end < path.begin) {
        if (y > path.riseTo && path.begin != path.riseTo)
            fade = 100 - fadePercent(path.begin - y, path.begin - path.riseTo);
        if (y < path.fallFrom && path.fallFrom != path.end)
            fade = 100 - fadePercent(y - path.end, path.fallFrom - path.end);
    } else {
        if (y < path.riseTo && path.riseTo != path.begin)
            fade = 100 - fadePercent(y - path.begin, path.riseTo - path.begin);
        if (y > path.fallFrom && path.end != path.fallFrom)
            fade = 100 - fadePercent(path.end - y, path.end - path.fallFrom);
    }
    return fade;
}

namespace {

// Where the text block lands: columns first .. last, rows top .. bottom.
struct FrameGeometry {
    int first;
    int last;
    int top;
    int bottom;
    bool rising;

    FrameGeometry(QSize text, const CreditsPath& path, QSize control, QSize cache)
        : first(std::max(0, (control.width() - text.width()) / 2)),
          last(std::min({first + text.width() - 1, control.width() - 1, cache.width() - 1})),
          top(std::max(std::min(path.begin, path.end), 0)),
          bottom(
              std::min({std::max(path.begin, path.end), control.height() - 1, cache.height() - 1})),
          rising(path.end < path.begin) {}

    // The text row on screen row y, or -1 when none is there.
    int textRow(int y, int position, int textHeight) const {
        const int g = rising ? y + position - bottom : y - position;
        return g >= 0 && g < textHeight ? g : -1;
    }
};

// p * f + t * (100 - f) per channel, times 0.01, rounded.
inline QRgb blendPixel(const BlendTable& table, QRgb plain, QRgb text, int fade) {
    const int show = 100 - fade;
    const auto mix = [&](int background, int ink) {
        return static_cast<int>(
            table.value[static_cast<std::size_t>(background * fade + ink * show)]);
    };
    return qRgb(mix(qRed(plain), qRed(text)), mix(qGreen(plain), qGreen(text)),
                mix(qBlue(plain), qBlue(text)));
}

void copyRows(QImage& cache, const QImage& plain, int rows) {
    const qsizetype rowBytes = std::min<qsizetype>(cache.bytesPerLine(), plain.bytesPerLine());
    for (int y = 0; y < std::min({rows, cache.height(), plain.height()}); ++y)
        std::memcpy(cache.scanLine(y), plain.constScanLine(y), static_cast<std::size_t>(rowBytes));
}

}  // namespace

void composeFrame(QImage& cache, const QImage& plain, const QImage& text, QColor key,
                  const CreditsPath& path, int position, QSize control) {
    copyRows(cache, plain, control.height());
    if (text.isNull() || control.isEmpty()) return;
    const QRgb keyRgb = key.rgb() & RGB_MASK;
    const FrameGeometry frame(text.size(), path, control, cache.size());
    const BlendTable& table = blendTable();

    for (int y = frame.top; y <= frame.bottom; ++y) {
        const int g = frame.textRow(y, position, text.height());
        if (g < 0) continue;
        const int fade = rowFade(path, y);
        const auto* textRow = reinterpret_cast<const QRgb*>(text.constScanLine(g));
        const auto* plainRow = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        auto* cacheRow = reinterpret_cast<QRgb*>(cache.scanLine(y));
        const bool opaque = fade == 0 && table.opaqueIsCopy;
        for (int x = frame.first; x <= frame.last; ++x) {
            const QRgb t = textRow[x - frame.first] & RGB_MASK;
            if (t == keyRgb) continue;
            cacheRow[x] = opaque ? t | ~RGB_MASK : blendPixel(table, plainRow[x], t, fade);
        }
    }
}

QRect frameTextArea(QSize text, const CreditsPath& path, int position, QSize control) {
    if (text.isEmpty() || control.isEmpty()) return {};
    const FrameGeometry frame(text, path, control, control);
    // Screen rows whose text row g lies in 0 .. height - 1.
    const int firstRow = frame.rising ? frame.bottom - position : position;
    const int top = std::max(frame.top, firstRow);
    const int bottom = std::min(frame.bottom, firstRow + text.height() - 1);
    if (top > bottom || frame.first > frame.last) return {};
    return QRect(QPoint(frame.first, top), QPoint(frame.last, bottom));
}

// ---- incremental composition ---------------------------------------------------------

void FrameComposer::setText(const QImage& text, QColor key) {
    text_ = text.convertToFormat(QImage::Format_RGB32);
    runs_.clear();
    rowStarts_.assign(static_cast<std::size_t>(text_.height()) + 1, 0);
    const QRgb keyRgb = key.rgb() & RGB_MASK;
    for (int g = 0; g < text_.height(); ++g) {
        rowStarts_[static_cast<std::size_t>(g)] = static_cast<int>(runs_.size());
        auto* row = reinterpret_cast<QRgb*>(text_.scanLine(g));
        // Opaque once here, so that composing copies text rows as they are.
        for (int x = 0; x < text_.width(); ++x)
            row[x] |= ~RGB_MASK;
        for (int x = 0; x < text_.width();) {
            if ((row[x] & RGB_MASK) == keyRgb) {
                ++x;
                continue;
            }
            const int begin = x;
            while (x < text_.width() && (row[x] & RGB_MASK) != keyRgb)
                ++x;
            runs_.push_back({begin, x});
        }
    }
    rowStarts_.back() = static_cast<int>(runs_.size());
}

void FrameComposer::compose(QImage& cache, const QImage& plain, const CreditsPath& path,
                            int position, QSize control) {
    // Row addresses by hand: scanLine() checks for sharing on every call.
    uchar* const cacheBits = cache.bits();
    const uchar* const plainBits = plain.constBits();
    const qsizetype cacheStride = cache.bytesPerLine();
    const qsizetype plainStride = plain.bytesPerLine();
    const auto cacheRow = [&](int y) {
        return reinterpret_cast<QRgb*>(cacheBits + y * cacheStride);
    };
    const auto plainRow = [&](int y) {
        return reinterpret_cast<const QRgb*>(plainBits + y * plainStride);
    };

    if (restoreAll_ || cache.size() != lastCacheSize_) {
        copyRows(cache, plain, control.height());
        restoreAll_ = false;
        lastCacheSize_ = cache.size();
    } else {
        for (const Span& span : drawn_)
            std::memcpy(cacheRow(span.row) + span.begin, plainRow(span.row) + span.begin,
                        static_cast<std::size_t>(span.end - span.begin) * sizeof(QRgb));
    }
    drawn_.clear();
    if (text_.isNull() || control.isEmpty()) return;

    const FrameGeometry frame(text_.size(), path, control, cache.size());
    const BlendTable& table = blendTable();
    const uchar* const textBits = text_.constBits();
    const qsizetype textStride = text_.bytesPerLine();
    for (int y = frame.top; y <= frame.bottom; ++y) {
        const int g = frame.textRow(y, position, text_.height());
        if (g < 0) continue;
        const int fade = rowFade(path, y);
        const bool opaque = fade == 0 && table.opaqueIsCopy;
        // Shifted so that screen column x reads text column x - first.
        const QRgb* const textRow =
            reinterpret_cast<const QRgb*>(textBits + g * textStride) - frame.first;
        const QRgb* const under = plainRow(y);
        QRgb* const target = cacheRow(y);
        const auto index = static_cast<std::size_t>(g);
        // One span per row covering all its runs: restoring the plain pixels
        // between the runs too costs less than a copy per run.
        int rowBegin = frame.last + 1;
        int rowEnd = 0;
        for (int r = rowStarts_[index]; r < rowStarts_[index + 1]; ++r) {
            const Run& run = runs_[static_cast<std::size_t>(r)];
            const int begin = frame.first + run.begin;
            const int end = std::min(frame.first + run.end, frame.last + 1);
            if (begin >= end) continue;
            if (opaque) {
                // The text's pixels are stored opaque, so this is a plain copy.
                std::memcpy(target + begin, textRow + begin,
                            static_cast<std::size_t>(end - begin) * sizeof(QRgb));
            } else {
                for (int x = begin; x < end; ++x)
                    target[x] = blendPixel(table, under[x], textRow[x] & RGB_MASK, fade);
            }
            rowBegin = std::min(rowBegin, begin);
            rowEnd = end;
        }
        if (rowBegin < rowEnd) drawn_.push_back({y, rowBegin, rowEnd});
    }
}

}  // namespace zhcalc::about
