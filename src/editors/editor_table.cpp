#include "editors/editor_table.h"

#include "editors/general/monster_editor.h"
#include "editors/map/treasure_editor.h"

#include <array>

std::span<const EditorEntry> editorTable() {
    static constexpr std::array<EditorEntry, 8> table{{
        {"Monster Stats", &openMonsterEditor},
        {"Character Stats", nullptr},
        {"Character Starting Magic", nullptr},
        {"Character Equipment", nullptr},
        {"Text Editor", nullptr},
        {"Attack Editor", nullptr},
        {"Treasure", &openTreasureEditor},
        {"Battlefields", nullptr},
    }};
    return table;
}
