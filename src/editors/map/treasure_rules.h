#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

class GameText;

// How the treasure windows name item codes and treasure indexes.
namespace TreasureRules {

// Item codes 0..223 have a name in ItemNameTable; the rest are offered as
// "--DO NOT USE--" so every byte value still has a row to show.
inline constexpr int NamedItemCodes = 224;
inline constexpr int ItemCodeRows = 256;

// Whether the contents list names a row whose entry holds this item code:
// 0..64 and 221..223 are named, every other code reads "[DO NOT USE]".
bool contentsCodeNamed(std::uint8_t code);

// Row i of the item combo: the item's name, or "--DO NOT USE--" past the names.
QString itemCodeRow(const GameText& text, int code);
// Row index of the contents list, for the item code its table entry holds now.
// The number shown is the treasure index, never the code.
QString contentsRow(const GameText& text, int index, std::uint8_t code);

// A hex label of the number a box holds; a box that holds no number (emptied,
// being typed into) shows as 0.
QString hexLabelOfText(QStringView text);
// "[start] to [end]" in hex, from the texts of the two range boxes.
QString rangeLabel(QStringView start, QStringView end);

} // namespace TreasureRules
