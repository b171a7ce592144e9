#pragma once

#include "editors/general/name_tables.h"

#include <QStringView>
#include <array>
#include <optional>

// The six tabs of the text editor, and the name table behind each of the five
// name tabs. The window builds its frames, lists and boxes from these rows and
// loads and saves every name tab through them, so a list cannot read one table
// and its box write another.
namespace TextEditorTabs {

struct Tab {
    const char* caption; // "&&" shows as one "&"
    const char* key;
    const char* frame;
    const char* frameCaption;
    int option; // n of the current-tab option OPTn
};

// Left to right on the tab strip.
inline constexpr std::array<Tab, 6> Tabs{{
    {"Character Names", "char", "CharFRA", "Character Names:", 4},
    {"Monster Names", "monster", "MonsterFRA", "Monster Names:", 5},
    {"Monster Attack Names", "monatk", "MonAtkFRA", "Monster Attack Names:", 6},
    {"Item && Magic Names", "item", "ItemFRA", "Item Names:", 1},
    {"Area Names", "area", "AreaFRA", "Area/Map Names:", 2},
    {"Title Screen", "title", "TitleFRA", "Title Screen Text:", 3},
}};

inline constexpr int TitleTab = 5;

// A name tab: list row i shows, and the box saves, entry i of field.
struct NameTab {
    NameTable field; // its count is the list's row count
    const char* list;
    const char* label;
    const char* box;
    const char* loadStep; // the step label while the list fills
};

// NameTabs[i] is the page of Tabs[i]; the box's typing limit is the field length.
inline constexpr std::array<NameTab, 5> NameTabs{{
    {NameTables::CharacterNames, "CharLST", "CharNameLBL", "CharNameTXT", "Loading Characters..."},
    {NameTables::MonsterNameTable, "MonsterLST", "MonsterNameLBL", "MonsterNameTXT",
     "Loading Monsters..."},
    {NameTables::AttackNameTable, "MonsterAttackLST", "MonAtkLBL", "MonAtkTXT",
     "Loading Monster Attack Names..."},
    // item codes 0x00..0x3F: items, spells, weapons and armour; the attacks have their own tab
    {{NameTables::ItemNameTable.base, NameTables::ItemNameTable.stride,
      NameTables::ItemNameTable.length, 0x40},
     "ItemLST",
     "ItemNameLBL",
     "ItemNameTXT",
     "Loading Key Item Names..."},
    {NameTables::AreaNameTable, "AreaLST", "AreaNameLBL", "AreaNameTXT",
     "Loading Area/Map Names..."},
}};

// The order the window loads its pages in: tab indexes, TitleTab being the title boxes.
inline constexpr std::array<int, 6> LoadOrder{0, 1, 4, TitleTab, 3, 2};

// The tab a tab key makes current, keys compared exactly in the window's order;
// nullopt for a key that matches none.
std::optional<int> tabOfKey(QStringView key);

} // namespace TextEditorTabs
