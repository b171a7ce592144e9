#pragma once

class GameText;
class QComboBox;
class QListWidget;
class RomFile;

// The treasure index table as both windows that edit it show it: the index
// list, the item combo beside it, the contents list that names each index, and
// the one entry the two combos edit. The fills yield to the event loop after
// each row and neither suspend the redraw nor move a bar.
namespace TreasureIndexPane {

// 256 rows, [0] to [FF].
void fillIndexes(QListWidget& list);
// 224 item names, then "--DO NOT USE--" up to 256 rows; enables the combo.
void fillItemCodes(QComboBox& combo, const GameText& text);
// Row i names treasure index i by the table entry it holds now; the enabled state
// stays as it is, and afterwards no row is selected.
void fillContents(QComboBox& combo, const RomFile& rom, const GameText& text);

// Shows the entry of the selected index in the item combo and enables it;
// nothing happens while no index is selected.
void loadEntry(const RomFile& rom, const QListWidget& indexes, QComboBox& items);
// Writes the selected item code into the entry of the selected index; false,
// writing nothing, while either is unselected.
bool saveEntry(RomFile& rom, const QListWidget& indexes, const QComboBox& items);

} // namespace TreasureIndexPane
