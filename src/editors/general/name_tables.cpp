#include "editors/general/name_tables.h"

#include "workspace/game_text.h"

namespace NameTables {
// The tables lie back to back; a wrong base here would let one table's save reach the next.
static_assert(AreaNameTable.end() == ItemNameTable.base);
static_assert(ItemNameTable.offset(0x40) == AttackNameTable.base);
static_assert(ItemNameTable.end() == AttackNameTable.end());
static_assert(AttackNameTable.end() == MonsterNameTable.base);
static_assert(MonsterNameTable.end() == CharacterNames.base);
static_assert(CharacterNames.base + CharacterNames.stride * CharacterNames.count == 0x65580);
static_assert([] {
    for (std::size_t i = 1; i < TitleTextBlock.size(); ++i) {
        if (TitleTextBlock[i].offset != TitleTextBlock[i - 1].offset + TitleTextBlock[i - 1].length)
            return false;
    }
    return TitleTextBlock.back().offset + TitleTextBlock.back().length == 0x61112;
}());
} // namespace NameTables

void writeName(GameText& text, std::int32_t offset, const QString& name, std::int16_t length) {
    if (name == text.ReadText(offset, length))
        return;
    text.WriteText(offset, QString(length, QLatin1Char(' ')), length);
    text.WriteText(offset, name, length);
}
