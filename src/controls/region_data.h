#pragma once
// The stored form of a button's region, kept with a window's layout per button
// state: a 32-byte header (header size 32, type 1, rectangle count, byte size of
// the rectangles, bounding rectangle) and then left, top, right, bottom per
// rectangle, all 32-bit little-endian, right and bottom exclusive. A stream slot
// puts a 4-byte little-endian byte count in front; a count of 0 is an empty slot.

#include <QByteArray>
#include <QByteArrayView>
#include <QRegion>
#include <optional>

namespace zhcalc::controls {

QByteArray regionToData(const QRegion& region);
// Nothing when the data is not a well-formed rectangle list.
std::optional<QRegion> regionFromData(QByteArrayView data);

QByteArray regionToStream(const std::optional<QRegion>& region);
// Nothing for an empty slot or malformed data.
std::optional<QRegion> regionFromStream(QByteArrayView stream);

}  // namespace zhcalc::controls
