#include "editors/editor_table.h"

#include "editors/general/attack_editor.h"
#include "editors/general/character_editor.h"
#include "editors/general/equipment_editor.h"
#include "editors/general/monster_editor.h"
#include "editors/general/starting_magic_editor.h"
#include "editors/general/text_editor.h"
#include "editors/map/battlefield_editor.h"
#include "editors/map/treasure_editor.h"

#include <array>

std::span<const EditorEntry> editorTable() {
    static constexpr std::array<EditorEntry, 8> table{{
        {"Monster Stats", &openMonsterEditor},
        {"Character Stats", &openCharacterEditor},
        {"Character Starting Magic", &openStartingMagicEditor},
        {"Character Equipment", &openEquipmentEditor},
        {"Text Editor", &openTextEditor},
        {"Attack Editor", &openAttackEditor},
        {"Treasure", &openTreasureEditor},
        {"Battlefields", &openBattlefieldEditor},
    }};
    return table;
}
