#pragma once

#include "editors/general/name_tables.h"

#include <cstdint>

// The weapon and armour records the equipment editor edits, each named by its
// own run of item names. Every field is one byte.
namespace WeaponRecord {

inline constexpr int Count = 15;
inline constexpr std::int32_t Base = 0x13E00;
inline constexpr std::int32_t Size = 8;

inline constexpr std::int32_t Element = 0; // flags
inline constexpr std::int32_t Status = 1;  // flags
inline constexpr std::int32_t Attack = 2;
inline constexpr std::int32_t Unknown1 = 3; // +3..+7: five undocumented bytes
inline constexpr int UnknownCount = 5;

inline constexpr int FirstItemCode = 0x20;
inline constexpr std::int16_t NameLength = NameTables::ItemNameTable.length;

constexpr std::int32_t record(int weapon) {
    return Base + Size * weapon;
}
constexpr std::int32_t name(int weapon) {
    return NameTables::ItemNameTable.offset(FirstItemCode + weapon);
}

// The attack records begin right after the last weapon.
static_assert(record(Count) == 0x13E78);
static_assert(name(0) == 0x644A0);

} // namespace WeaponRecord

namespace ArmorRecord {

inline constexpr int Count = 17;
inline constexpr std::int32_t Base = 0x14327;
inline constexpr std::int32_t Size = 5;

inline constexpr std::int32_t Defense = 0;    // flags
inline constexpr std::int32_t Resistance = 1; // flags
inline constexpr std::int32_t Position = 2;
inline constexpr std::int32_t DefensePower = 3;
inline constexpr std::int32_t Unknown1 = 4;

inline constexpr int FirstItemCode = 0x2F;
inline constexpr std::int16_t NameLength = NameTables::ItemNameTable.length;

constexpr std::int32_t record(int armor) {
    return Base + Size * armor;
}
constexpr std::int32_t name(int armor) {
    return NameTables::ItemNameTable.offset(FirstItemCode + armor);
}

static_assert(record(Count) == 0x1437C);
static_assert(name(0) == 0x64554);
// The last armour name ends where the attack names begin.
static_assert(FirstItemCode == WeaponRecord::FirstItemCode + WeaponRecord::Count);
static_assert(name(Count) == NameTables::AttackNameTable.base);

} // namespace ArmorRecord
