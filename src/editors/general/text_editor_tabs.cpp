#include "editors/general/text_editor_tabs.h"

namespace TextEditorTabs {

namespace {

// No name tab may reach past the table it edits.
constexpr bool withinTables() {
    const NameTable tables[] = {NameTables::CharacterNames, NameTables::MonsterNameTable,
                                NameTables::AttackNameTable, NameTables::ItemNameTable,
                                NameTables::AreaNameTable};
    for (const NameTab& tab : NameTabs) {
        bool inside = false;
        for (const NameTable& table : tables) {
            inside =
                inside || (tab.field.base >= table.base && tab.field.end() <= table.end() &&
                           tab.field.stride == table.stride && tab.field.length == table.length);
        }
        if (!inside)
            return false;
    }
    return true;
}
static_assert(withinTables());

constexpr int CompareOrder[] = {0, 1, 4, TitleTab, 3, 2};

} // namespace

std::optional<int> tabOfKey(QStringView key) {
    for (const int tab : CompareOrder) {
        if (key == QLatin1String(Tabs[tab].key))
            return tab;
    }
    return std::nullopt;
}

} // namespace TextEditorTabs
