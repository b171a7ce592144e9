#pragma once

#include "editors/general/character_record.h"

#include <QString>
#include <array>
#include <cstdint>

class GameText;

// A table of fixed-length name fields laid back to back: entry k at base + stride * k.
struct NameTable {
    std::int32_t base;
    std::int32_t stride;
    std::int16_t length;
    int count;

    constexpr std::int32_t offset(int k) const { return base + stride * k; }
    constexpr std::int32_t end() const { return base + stride * (count - 1) + length; }
};

struct TextField {
    std::int32_t offset;
    std::int16_t length;
};

namespace NameTables {

inline constexpr NameTable AreaNameTable{0x640D0, 16, 16, 37};
inline constexpr NameTable ItemNameTable{0x64320, 12, 12, 224};
// The attack names are the tail of the item names: item code 0x40 + j names attack j.
inline constexpr NameTable AttackNameTable{0x64620, 12, 12, 160};
inline constexpr NameTable MonsterNameTable{0x64DA0, 16, 16, 81};
// The name at the head of each 80-byte character record.
inline constexpr NameTable CharacterNames{CharacterRecord::Base, CharacterRecord::Size,
                                          CharacterRecord::NameLength, CharacterRecord::Count};

inline constexpr std::array<TextField, 9> TitleTextBlock{{
    {0x610DB, 2},
    {0x610DD, 6},
    {0x610E3, 4},
    {0x610E7, 4},
    {0x610EB, 8},
    {0x610F3, 16},
    {0x61103, 5},
    {0x61108, 2},
    {0x6110A, 8},
}};

} // namespace NameTables

// How every editor saves a name: spaces over the whole field first, then the text,
// so a character without a code is stored as a space and no byte past the field is touched.
// A name that still reads as the field shows writes nothing: decoding drops bytes
// without a character and widens 0xD7, so a rewrite would lose what no one changed.
void writeName(GameText& text, std::int32_t offset, const QString& name, std::int16_t length);
