#include "editors/map/treasure_index_pane.h"

#include "editors/frame/hex_label.h"
#include "editors/frame/name_list_fill.h"
#include "editors/map/treasure_records.h"
#include "editors/map/treasure_rules.h"
#include "workspace/rom_file.h"

#include <QComboBox>
#include <QListWidget>

namespace TreasureIndexPane {

namespace {

const FillOptions Unsuspended{.suspendUpdates = false};

} // namespace

void fillIndexes(QListWidget& list) {
    fillNameList(
        list, TreasureIndexTable::Count,
        [](int index) { return hexLabel(static_cast<unsigned>(index)); }, Unsuspended);
}

void fillItemCodes(QComboBox& combo, const GameText& text) {
    fillNameList(
        combo, TreasureRules::ItemCodeRows,
        [&text](int code) { return TreasureRules::itemCodeRow(text, code); }, Unsuspended);
    combo.setEnabled(true);
}

void fillContents(QComboBox& combo, const RomFile& rom, const GameText& text) {
    fillNameList(
        combo, TreasureIndexTable::Count,
        [&](int index) {
            return TreasureRules::contentsRow(text, index,
                                              rom.readByte(TreasureIndexTable::offset(index)));
        },
        Unsuspended);
}

void loadEntry(const RomFile& rom, const QListWidget& indexes, QComboBox& items) {
    const int index = selectedRow(indexes);
    if (index < 0)
        return;
    const std::uint8_t code = rom.readByte(TreasureIndexTable::offset(index));
    items.setEnabled(true);
    items.setCurrentIndex(code);
}

bool saveEntry(RomFile& rom, const QListWidget& indexes, const QComboBox& items) {
    const int index = selectedRow(indexes);
    const int code = items.currentIndex();
    if (index < 0 || index >= TreasureIndexTable::Count || code < 0 || code > 255)
        return false;
    rom.writeByte(TreasureIndexTable::offset(index), static_cast<std::uint8_t>(code));
    return true;
}

} // namespace TreasureIndexPane
