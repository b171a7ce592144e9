#include "editors/editor_table.h"

#include "editors/general/character_editor.h"
#include "editors/general/monster_editor.h"
#include "editors/general/starting_magic_editor.h"

#include <array>

std::span<const EditorEntry> editorTable() {
    static constexpr std::array<EditorEntry, 8> table{{
        {"Monster Stats", &openMonsterEditor},
        {"Character Stats", &openCharacterEditor},
        {"Character Starting Magic", &openStartingMagicEditor},
        {"Character Equipment", nullptr},
        {"Text Editor", nullptr},
        {"Attack Editor", nullptr},
        {"Treasure", nullptr},
        {"Battlefields", nullptr},
    }};
    return table;
}
