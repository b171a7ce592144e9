#pragma once

#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

// How the character and starting magic editors show stored character bytes and
// store shown values.
namespace CharacterRules {

// Both HP fields are signed 16-bit: a stored 0xFFFF is shown as -1.
inline constexpr int HpCap = 32000;

// The number an HP box's text stands for: digits with an optional leading "-".
// A number beyond int gives INT_MIN or INT_MAX, so it still compares past every limit.
std::optional<int> hpValue(QStringView text);
// The correction on leaving an HP box: a text that is no number becomes "0"
// (empty included), above the cap the cap. The box holds 0 to the cap, or the
// value the load put there: any other negative value becomes "0" as well.
// Nothing when the text stays.
std::optional<int> hpCorrected(QStringView text, int loaded);
// The 16-bit field holds any shown value the field's range allows; Apply writes
// a value the load put there back unchanged, even above the cap.
std::int16_t hpStored(int shown);

// WeaponCBO lists the item codes 0x20..0x2F; the stored byte is the row + 0x20.
inline constexpr int FirstWeaponItem = 0x20;
inline constexpr int WeaponRows = 16;
// The combo row of a stored weapon byte; nothing for a byte outside the rows.
std::optional<int> weaponRow(std::uint8_t stored);
// The byte Apply writes: the picked row's item, or with no row the byte the load found.
std::uint8_t weaponStored(std::optional<int> row, std::uint8_t loaded);

} // namespace CharacterRules

// The twelve spells a character can start with: ItemNameTable entries 0x14..0x1F.
// In item order they take the bits of SpellBits1 from bit 7 down, then those of
// SpellBits2 from bit 7 down; bits 0..3 of SpellBits2 belong to no spell.
namespace Spells {

inline constexpr int Count = 12;
inline constexpr int FirstItem = 0x14;

// In item order: Exit is item 0x14, Flare 0x1F. The editor's spell grid names its
// icons, labels and check boxes after these (ExitIMG, ExitLBL, ExitCHK).
inline constexpr std::array<const char*, Count> Names{"Exit",    "Cure",     "Heal",   "Life",
                                                      "Quake",   "Blizzard", "Fire",   "Aero",
                                                      "Thunder", "White",    "Meteor", "Flare"};

struct Bit {
    int byte; // 0: SpellBits1, 1: SpellBits2
    int bit;  // = the row of that byte's flag list
};

constexpr Bit bitOf(int spell) {
    return {spell / 8, 7 - spell % 8};
}

// The spell a flag-list row stands for, or nothing for the four "Empty" rows.
constexpr std::optional<int> spellAt(int byte, int row) {
    const int spell = byte * 8 + 7 - row;
    if (spell >= Count)
        return std::nullopt;
    return spell;
}

static_assert(bitOf(0).byte == 0 && bitOf(0).bit == 7);   // Exit
static_assert(bitOf(7).byte == 0 && bitOf(7).bit == 0);   // Aero
static_assert(bitOf(8).byte == 1 && bitOf(8).bit == 7);   // Thunder
static_assert(bitOf(11).byte == 1 && bitOf(11).bit == 4); // Flare

} // namespace Spells
