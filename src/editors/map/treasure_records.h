#pragma once

#include <cstdint>

// The 6-byte record of one chest or box, at the offset its row of the offset
// table gives. Byte 3 belongs to the game alone: it is read and never written.
namespace TreasureContents {

inline constexpr std::int32_t Index = 0; // treasure index: an entry of TreasureIndexTable
inline constexpr std::int32_t X = 1;
inline constexpr std::int32_t Y = 2;
inline constexpr std::int32_t Unused = 3;
inline constexpr std::int32_t Elevation = 4;
inline constexpr std::int32_t Kind = 5;
inline constexpr std::int32_t Size = 6;

} // namespace TreasureContents

// Every other kind byte means nothing to the editor and is kept as stored.
enum class TreasureKind : std::uint8_t { Chest = 0x24, Box = 0x26 };

// Entry i is the item code that treasure index i gives.
namespace TreasureIndexTable {

inline constexpr std::int32_t Base = 0x8200;
inline constexpr int Count = 256;

constexpr std::int32_t offset(int index) {
    return Base + index;
}

} // namespace TreasureIndexTable

// Six single bytes about treasure as a whole, unrelated to each other.
namespace TreasureGlobalData {

inline constexpr std::int32_t SuperChestQuantity = 0x18901;
inline constexpr std::int32_t SuperChestRangeStart = 0x18904;
inline constexpr std::int32_t SuperChestRangeEnd = 0x18909;
inline constexpr std::int32_t ConsumableWeapons = 0x1890F;
inline constexpr std::int32_t ConsumableItems = 0x18923;
inline constexpr std::int32_t CutOff = 0x188D3;

inline constexpr int QuantityCap = 99;
inline constexpr int ByteCap = 255;

} // namespace TreasureGlobalData
