#include "controls/region_data.h"

#include <QtEndian>
#include <cstdint>

namespace zhcalc::controls {

namespace {

constexpr qsizetype kHeaderSize = 32;
constexpr qsizetype kRectSize = 16;

void put(QByteArray& out, std::int32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

std::int32_t get(QByteArrayView data, qsizetype offset) {
    return qFromLittleEndian<std::int32_t>(data.data() + offset);
}

void putRect(QByteArray& out, const QRect& r) {
    put(out, r.left());
    put(out, r.top());
    put(out, r.right() + 1);
    put(out, r.bottom() + 1);
}

}  // namespace

QByteArray regionToData(const QRegion& region) {
    const auto count = static_cast<std::int32_t>(region.rectCount());
    QByteArray out;
    out.reserve(kHeaderSize + count * kRectSize);
    put(out, kHeaderSize);
    put(out, 1);
    put(out, count);
    put(out, count * static_cast<std::int32_t>(kRectSize));
    putRect(out, region.isEmpty() ? QRect(0, 0, 0, 0) : region.boundingRect());
    for (const QRect& r : region)
        putRect(out, r);
    return out;
}

std::optional<QRegion> regionFromData(QByteArrayView data) {
    if (data.size() < kHeaderSize || get(data, 0) != kHeaderSize || get(data, 4) != 1)
        return std::nullopt;
    const std::int32_t count = get(data, 8);
    if (count < 0 || count > (data.size() - kHeaderSize) / kRectSize) return std::nullopt;
    QRegion region;
    for (std::int32_t i = 0; i < count; ++i) {
        const qsizetype at = kHeaderSize + i * kRectSize;
        const std::int32_t left = get(data, at);
        const std::int32_t top = get(data, at + 4);
        const std::int32_t right = get(data, at + 8);
        const std::int32_t bottom = get(data, at + 12);
        if (right <= left || bottom <= top) return std::nullopt;
        region += QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    return region;
}

QByteArray regionToStream(const std::optional<QRegion>& region) {
    const QByteArray data = region ? regionToData(*region) : QByteArray();
    QByteArray out;
    put(out, static_cast<std::int32_t>(data.size()));
    return out + data;
}

std::optional<QRegion> regionFromStream(QByteArrayView stream) {
    if (stream.size() < 4) return std::nullopt;
    const std::int32_t size = get(stream, 0);
    if (size <= 0 || size > stream.size() - 4) return std::nullopt;
    return regionFromData(stream.sliced(4, size));
}

}  // namespace zhcalc::controls
