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

void composeFrame(QImage& cache, const QImage& plain, const QImage& text, QColor key,
                  const CreditsPath& path, int position, QSize control) {
    const int width = control.width();
    const int height = control.height();
    // The plain picture under the control; cache and plain share size and format.
    const qsizetype rowBytes = std::min<qsizetype>(cache.bytesPerLine(), plain.bytesPerLine());
    for (int y = 0; y < std::min({height, cache.height(), plain.height()}); ++y)
        std::memcpy(cache.scanLine(y), plain.constScanLine(y), static_cast<std::size_t>(rowBytes));

    if (text.isNull() || width <= 0 || height <= 0) return;
    const QRgb keyRgb = key.rgb() & RGB_MASK;
    const int textWidth = text.width();
    const int textHeight = text.height();

    const int first = std::max(0, (width - textWidth) / 2);
    const int last = std::min({first + textWidth - 1, width - 1, cache.width() - 1});
    const int top = std::max(std::min(path.begin, path.end), 0);
    const int bottom = std::min({std::max(path.begin, path.end), height - 1, cache.height() - 1});
    const bool rising = path.end < path.begin;
    const BlendTable& table = blendTable();
    const auto& blend = table.value;

    for (int y = top; y <= bottom; ++y) {
        const int g = rising ? y + position - bottom : y - position;
        if (g < 0 || g > textHeight - 1) continue;
        const int fade = rowFade(path, y);
        const int show = 100 - fade;
        const auto* textRow = reinterpret_cast<const QRgb*>(text.constScanLine(g));
        const auto* plainRow = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        auto* cacheRow = reinterpret_cast<QRgb*>(cache.scanLine(y));
        if (fade == 0 && table.opaqueIsCopy) {
            for (int x = first; x <= last; ++x) {
                const QRgb t = textRow[x - first] & RGB_MASK;
                if (t != keyRgb) cacheRow[x] = t | ~RGB_MASK;
            }
            continue;
        }
        for (int x = first; x <= last; ++x) {
            const QRgb t = textRow[x - first] & RGB_MASK;
            if (t == keyRgb) continue;
            const QRgb p = plainRow[x];
            const auto mix = [&](int background, int ink) {
                return static_cast<int>(
                    blend[static_cast<std::size_t>(background * fade + ink * show)]);
            };
            cacheRow[x] =
                qRgb(mix(qRed(p), qRed(t)), mix(qGreen(p), qGreen(t)), mix(qBlue(p), qBlue(t)));
        }
    }
}

}  // namespace zhcalc::about
