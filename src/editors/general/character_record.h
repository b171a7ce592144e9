#pragma once

#include <cstdint>

// The nine 80-byte character records, back to back. The character, starting
// magic and text editors each touch their own fields of them; no other byte of
// a record is read or written.
namespace CharacterRecord {

inline constexpr int Count = 9;
inline constexpr std::int32_t Base = 0x652B0;
inline constexpr std::int32_t Size = 80;
inline constexpr std::int32_t End = 0x65580;

inline constexpr std::int32_t Name = 0x00; // game text
inline constexpr std::int16_t NameLength = 8;
inline constexpr std::int16_t ListTextLength = 16; // the name and the 8 bytes after it
inline constexpr std::int32_t Level = 0x10;
inline constexpr std::int32_t HpCurrent = 0x14; // 16 bits, signed
inline constexpr std::int32_t HpMaximum = 0x16; // 16 bits, signed
inline constexpr std::int32_t WhiteMagicCount = 0x1B;
inline constexpr std::int32_t BlackMagicCount = 0x1C;
inline constexpr std::int32_t WizardMagicCount = 0x1D;
inline constexpr std::int32_t Evade = 0x2A;
inline constexpr std::int32_t StartingWeapon = 0x31; // an item code
inline constexpr std::int32_t SpellBits1 = 0x38;
inline constexpr std::int32_t SpellBits2 = 0x39;
inline constexpr std::int32_t Accuracy = 0x40;
inline constexpr std::int32_t Attack = 0x4C;
inline constexpr std::int32_t Defense = 0x4D;
inline constexpr std::int32_t Speed = 0x4E;
inline constexpr std::int32_t MagicPower = 0x4F;

constexpr std::int32_t record(int character) {
    return Base + Size * character;
}

static_assert(record(Count) == End);

} // namespace CharacterRecord
