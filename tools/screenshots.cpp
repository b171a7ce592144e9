// Writes a PNG of each window in a given state into the folder named on the
// command line, so the windows can be looked at without a display:
//   QT_QPA_PLATFORM=offscreen screenshots DIR
// To add a window, add a row to shots() below.

#include "editors/general/attack_editor.h"
#include "editors/general/attack_rules.h"
#include "editors/general/character_editor.h"
#include "editors/general/character_record.h"
#include "editors/general/equipment_editor.h"
#include "editors/general/equipment_records.h"
#include "editors/general/monster_editor.h"
#include "editors/general/monster_rules.h"
#include "editors/general/name_tables.h"
#include "editors/general/starting_magic_editor.h"
#include "editors/general/text_editor.h"
#include "editors/map/battlefield_editor.h"
#include "editors/map/battlefield_reward.h"
#include "editors/map/treasure_editor.h"
#include "editors/map/treasure_index_editor.h"
#include "editors/map/treasure_offset_table.h"
#include "editors/map/treasure_records.h"
#include "workspace/about_box.h"
#include "workspace/game_text.h"
#include "workspace/main_window.h"
#include "workspace/platform.h"
#include "workspace/qt_platform.h"
#include "workspace/rom_file.h"
#include "workspace/rom_header.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Answers the open dialog with the sample ROM and shows no message box.
class ScriptedPlatform : public Platform {
public:
    QString romPath;

    void messageBox(const QString& text, const QString& caption, Icon) override {
        std::fprintf(stderr, "message box \"%s\": %s\n", qPrintable(caption), qPrintable(text));
    }
    std::optional<QString> openFileDialog(const QString&, int) override { return romPath; }
    [[noreturn]] void endProgram(int status) override {
        std::fprintf(stderr, "the program would end here with status %d\n", status);
        std::exit(2);
    }
    void openWebPage(const QString&) override {}
    void setClipboardText(const QString&) override {}
};

// A sample headered image: zeros, with an internal name and a version byte.
QByteArray sampleRomImage() {
    QByteArray image(524800, '\0');
    const QByteArray name = QByteArray("KALDRIS").leftJustified(RomHeader::NameLength, ' ');
    image.replace(RomHeader::NameOffset, name.size(), name);
    image[static_cast<qsizetype>(RomHeader::VersionOffset)] = 1;
    return image;
}

struct Workspace {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    QString tablePath;
};

// A few monsters for the monster editor's list, written with the game's own code.
void putSampleMonsters(Workspace& ws) {
    const char* const names[] = {"Slime", "Bat", "Goblin", "Wisp", "Ogre", "Lizardman"};
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    for (int i = 0; i < MonsterRecords::Count; ++i) {
        const QString name = QString::fromLatin1(names[i % 6]) +
                             (i < 6 ? QString() : QStringLiteral(" %1").arg(i / 6 + 1));
        writeName(text, NameTables::MonsterNameTable.offset(i), name,
                  NameTables::MonsterNameTable.length);
        const std::int32_t stat = MonsterRecords::stat(i);
        rom.writeWord(stat + MonsterRecords::Hp, static_cast<std::int16_t>(30 + 45 * i));
        rom.writeByte(stat + MonsterRecords::Strength, static_cast<std::uint8_t>(5 + 3 * i));
        rom.writeByte(stat + MonsterRecords::Defense, static_cast<std::uint8_t>(4 + 2 * i));
        rom.writeByte(stat + MonsterRecords::Speed, static_cast<std::uint8_t>(8 + i));
        rom.writeByte(stat + MonsterRecords::MagicPower, static_cast<std::uint8_t>(2 * i));
        rom.writeByte(stat + MonsterRecords::Counter, i % 3 == 0 ? 8 : 0);
        rom.writeByte(MonsterRecords::reward(i) + MonsterRecords::Exp,
                      static_cast<std::uint8_t>(1 + i));
        rom.writeByte(MonsterRecords::reward(i) + MonsterRecords::Gp,
                      static_cast<std::uint8_t>(3 + i));
    }
}

// Names for the text editor's other tables and the title texts.
void putSampleNames(Workspace& ws) {
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    const char* const characters[] = {"Kaldris", "Mira",  "Tobin", "Sera", "Garret",
                                      "Lune",    "Orrin", "Vessa", "Bram"};
    for (int i = 0; i < NameTables::CharacterNames.count; ++i)
        writeName(text, NameTables::CharacterNames.offset(i), QString::fromLatin1(characters[i]),
                  NameTables::CharacterNames.length);
    const struct {
        const NameTable& table;
        int count;
        const char* stem;
    } runs[] = {{NameTables::AttackNameTable, 160, "Claw"},
                {NameTables::ItemNameTable, 0x40, "Potion"},
                {NameTables::AreaNameTable, 37, "Cave of Ash"}};
    for (const auto& run : runs) {
        for (int i = 0; i < run.count; ++i)
            writeName(text, run.table.offset(i),
                      QStringLiteral("%1 %2").arg(QString::fromLatin1(run.stem)).arg(i + 1),
                      run.table.length);
    }
    const char* const title[] = {"TM",    "Legend", "of",      "the", "Kaldris", "New Game Press",
                                 "Start", "1",      "Continue"};
    for (std::size_t k = 0; k < NameTables::TitleTextBlock.size(); ++k)
        writeName(text, NameTables::TitleTextBlock[k].offset, QString::fromLatin1(title[k]),
                  NameTables::TitleTextBlock[k].length);
}

// Weapons, armours and attacks with names and a few set bits, for their editors.
void putSampleEquipment(Workspace& ws) {
    const char* const weapons[] = {"Short Sword", "Long Sword", "Axe", "Mace", "Spear"};
    const char* const armors[] = {"Leather", "Chain Mail", "Buckler", "Helmet"};
    const char* const attacks[] = {"Fire", "Blizzard", "Thunder", "Poison_Gas", "Bite", "Claw"};
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    const std::int16_t length = NameTables::ItemNameTable.length;
    for (int i = 0; i < WeaponRecord::Count; ++i) {
        writeName(text, WeaponRecord::name(i),
                  QString::fromLatin1(weapons[i % 5]) +
                      (i < 5 ? QString() : QStringLiteral(" %1").arg(i / 5 + 1)),
                  length);
        rom.writeByte(WeaponRecord::record(i) + WeaponRecord::Element, 0x20);
        rom.writeByte(WeaponRecord::record(i) + WeaponRecord::Attack,
                      static_cast<std::uint8_t>(10 + 6 * i));
    }
    for (int i = 0; i < ArmorRecord::Count; ++i) {
        writeName(text, ArmorRecord::name(i),
                  QString::fromLatin1(armors[i % 4]) +
                      (i < 4 ? QString() : QStringLiteral(" %1").arg(i / 4 + 1)),
                  length);
        rom.writeByte(ArmorRecord::record(i) + ArmorRecord::Resistance, 0x04);
        rom.writeByte(ArmorRecord::record(i) + ArmorRecord::DefensePower,
                      static_cast<std::uint8_t>(2 + 3 * i));
    }
    for (int i = 0; i < AttackRecord::Count; ++i) {
        writeName(text, NameTables::AttackNameTable.offset(i),
                  QString::fromLatin1(attacks[i % 6]) +
                      (i < 6 ? QString() : QStringLiteral(" %1").arg(i / 6 + 1)),
                  length);
        const std::int32_t record = AttackRecord::record(i);
        rom.writeByte(record + AttackRecord::Type, i % 2 == 0 ? 32 : 2);
        rom.writeByte(record + AttackRecord::Status, i % 4 == 3 ? 0x04 : 0);
        rom.writeByte(record + AttackRecord::Power, static_cast<std::uint8_t>(20 + i));
        rom.writeByte(record + AttackRecord::Targeting, i % 3 == 0 ? 128 : 129);
    }
}

// Item names for the battlefield editor's combo, and three battlefields, one of each kind.
void putSampleBattlefields(Workspace& ws) {
    const char* const items[] = {"Cure Potion", "Heal Potion", "Seed", "Refresher",
                                 "Exit Book",   "Sky Tape",    "Bomb", "Jumbo Bomb",
                                 "Elixir",      "Mirror"};
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    const NameTable& names = NameTables::ItemNameTable;
    for (int k = 0; k < BattlefieldRules::ItemCodes; ++k)
        writeName(text, names.offset(k), QString::fromLatin1(items[k % 10]), names.length);
    const struct {
        int battlefield;
        std::uint8_t low, high, rounds;
    } samples[] = {{0, 0x10, 0x02, 10}, {1, 0x64, 0x81, 15}, {5, 0x05, 0x40, 20}};
    for (const auto& b : samples) {
        rom.writeByte(BattlefieldRecords::rewardLow(b.battlefield), b.low);
        rom.writeByte(BattlefieldRecords::rewardHigh(b.battlefield), b.high);
        rom.writeByte(BattlefieldRecords::rounds(b.battlefield), b.rounds);
    }
}

// Nine characters with stats and spells, and the weapon and spell names they use.
void putSampleCharacters(Workspace& ws) {
    const char* const names[] = {"Aldric", "Brenna", "Corin", "Dara",  "Edwyn",
                                 "Fiora",  "Garet",  "Hale",  "Isolde"};
    const char* const weapons[] = {
        "Dagger",   "Short Sword", "Long Sword", "Rapier",   "Mace",  "Flail", "Spear", "Halberd",
        "Hand Axe", "War Axe",     "Short Bow",  "Long Bow", "Staff", "Rod",   "Claw",  "Leather"};
    const char* const spells[] = {"Exit", "Cure", "Heal",    "Life",  "Quake",  "Blizzard",
                                  "Fire", "Aero", "Thunder", "White", "Meteor", "Flare"};
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    const auto& items = NameTables::ItemNameTable;
    for (int r = 0; r < 16; ++r)
        writeName(text, items.offset(0x20 + r), QString::fromLatin1(weapons[r]), items.length);
    for (int s = 0; s < 12; ++s)
        writeName(text, items.offset(0x14 + s), QString::fromLatin1(spells[s]), items.length);
    for (int i = 0; i < CharacterRecord::Count; ++i) {
        const std::int32_t r = CharacterRecord::record(i);
        writeName(text, r + CharacterRecord::Name, QString::fromLatin1(names[i]), 16);
        rom.writeByte(r + CharacterRecord::Level, static_cast<std::uint8_t>(1 + i));
        rom.writeWord(r + CharacterRecord::HpCurrent, static_cast<std::int16_t>(40 + 12 * i));
        rom.writeWord(r + CharacterRecord::HpMaximum, static_cast<std::int16_t>(40 + 12 * i));
        rom.writeByte(r + CharacterRecord::Attack, static_cast<std::uint8_t>(12 + 2 * i));
        rom.writeByte(r + CharacterRecord::Defense, static_cast<std::uint8_t>(8 + i));
        rom.writeByte(r + CharacterRecord::Speed, static_cast<std::uint8_t>(10 + i));
        rom.writeByte(r + CharacterRecord::MagicPower, static_cast<std::uint8_t>(3 * i));
        rom.writeByte(r + CharacterRecord::Accuracy, static_cast<std::uint8_t>(80 + i));
        rom.writeByte(r + CharacterRecord::Evade, static_cast<std::uint8_t>(5 + i));
        rom.writeByte(r + CharacterRecord::StartingWeapon, static_cast<std::uint8_t>(0x20 + i));
        rom.writeByte(r + CharacterRecord::WhiteMagicCount, static_cast<std::uint8_t>(i % 4));
        rom.writeByte(r + CharacterRecord::BlackMagicCount, static_cast<std::uint8_t>(i % 3));
        rom.writeByte(r + CharacterRecord::WizardMagicCount, static_cast<std::uint8_t>(i % 2));
        rom.writeByte(r + CharacterRecord::SpellBits1, static_cast<std::uint8_t>(0xA5 >> (i % 3)));
        rom.writeByte(r + CharacterRecord::SpellBits2, static_cast<std::uint8_t>(0x90 >> (i % 2)));
    }
}

// Item names, a treasure index table that names most chests and a few chest
// records, for the treasure windows.
void putSampleTreasure(Workspace& ws) {
    const char* const kinds[] = {"Cure Potion", "Heal Potion", "Seed", "Refresher", "Elixir",
                                 "Sword",       "Axe",         "Claw", "Bomb",      "Helm"};
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    for (int code = 0; code < NameTables::ItemNameTable.count; ++code)
        writeName(text, NameTables::ItemNameTable.offset(code),
                  QStringLiteral("%1 %2").arg(QString::fromLatin1(kinds[code % 10])).arg(code / 10),
                  NameTables::ItemNameTable.length);
    for (int index = 0; index < TreasureIndexTable::Count; ++index)
        rom.writeByte(TreasureIndexTable::offset(index),
                      static_cast<std::uint8_t>(index < 70 ? index : 100 + index % 100));
    for (int row = 0; row < TreasureOffsets::Count; ++row) {
        const std::int64_t o = TreasureOffsets::offset(row);
        rom.writeByte(o + TreasureContents::Index, static_cast<std::uint8_t>(row % 60));
        rom.writeByte(o + TreasureContents::X, static_cast<std::uint8_t>(12 + row % 40));
        rom.writeByte(o + TreasureContents::Y, static_cast<std::uint8_t>(30 - row % 20));
        rom.writeByte(o + TreasureContents::Elevation, static_cast<std::uint8_t>(row % 3));
        rom.writeByte(o + TreasureContents::Kind, row % 4 == 3 ? 0x26 : 0x24);
    }
    rom.writeByte(TreasureGlobalData::ConsumableWeapons, 20);
    rom.writeByte(TreasureGlobalData::ConsumableItems, 12);
    rom.writeByte(TreasureGlobalData::SuperChestQuantity, 4);
    rom.writeByte(TreasureGlobalData::SuperChestRangeStart, 0x3C);
    rom.writeByte(TreasureGlobalData::SuperChestRangeEnd, 0x40);
    rom.writeByte(TreasureGlobalData::CutOff, 0x14);
}

// Shows the window, lets it lay out and paint, and grabs it.
QPixmap grabShown(QWidget& window) {
    window.show();
    QTest::qWait(50);
    return window.grab();
}

// An editor on the sample ROM, shown and grabbed.
template <class Form> QPixmap grabEditor(Workspace& ws) {
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    Form form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
    return grabShown(form);
}

// The platform layer's open dialog on the sample folder; with filterList, the
// list of filters opened instead of the dialog.
QPixmap grabOpenDialog(Workspace& ws, int selectedFilter, bool filterList) {
    QFileDialog dialog;
    configureOpenDialog(dialog, QString::fromLatin1(Form1::OpenFilter), selectedFilter);
    dialog.setDirectory(ws.dir.path());
    dialog.show();
    QTest::qWait(300); // the file list is read in the background
    if (!filterList)
        return dialog.grab();
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    combo->showPopup();
    QTest::qWait(50);
    return combo->view()->window()->grab();
}

// The equipment editor on one of its tabs.
QPixmap grabEquipment(Workspace& ws, int tab) {
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    Form5 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
    form.findChild<QTabBar*>(QStringLiteral("ItemsTAB"))->setCurrentIndex(tab);
    return grabShown(form);
}

// The battlefield editor on one row.
QPixmap grabBattlefield(Workspace& ws, int row) {
    RomFile rom;
    rom.open(ws.platform.romPath);
    GameText text(rom, ws.tablePath, ws.platform);
    Form10 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
    form.findChild<QListWidget*>(QStringLiteral("BattlefieldLST"))->setCurrentRow(row);
    return grabShown(form);
}

struct Shot {
    const char* file;
    std::function<QPixmap(Workspace&)> take;
};

// The text editor on one tab, with row picked in its list (none for the title tab).
Shot textEditorShot(const char* file, int tab, int row) {
    return {file, [tab, row](Workspace& ws) {
                RomFile rom;
                rom.open(ws.platform.romPath);
                GameText text(rom, ws.tablePath, ws.platform);
                Form6 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
                form.findChild<QTabBar*>(QStringLiteral("TextTAB"))->setCurrentIndex(tab);
                const auto lists = form.findChildren<QListWidget*>();
                for (QListWidget* list : lists) {
                    if (row >= 0 && list->isVisibleTo(&form))
                        list->setCurrentRow(row);
                }
                return grabShown(form);
            }};
}

std::vector<Shot> shots() {
    return {
        {"main_closed.png",
         [](Workspace& ws) {
             Form1 form(ws.platform, ws.tablePath);
             return grabShown(form);
         }},
        {"main_open.png",
         [](Workspace& ws) {
             Form1 form(ws.platform, ws.tablePath);
             form.show();
             form.LoadROM();
             return grabShown(form);
         }},
        {"main_file_menu.png",
         [](Workspace& ws) {
             Form1 form(ws.platform, ws.tablePath);
             form.LoadROM();
             auto* menu = form.findChild<QMenu*>(QStringLiteral("mnuFile"));
             menu->popup(QPoint(0, 0));
             return grabShown(*menu);
         }},
        {"main_help_menu.png",
         [](Workspace& ws) {
             Form1 form(ws.platform, ws.tablePath);
             auto* menu = form.findChild<QMenu*>(QStringLiteral("mnuHelp"));
             menu->popup(QPoint(0, 0));
             return grabShown(*menu);
         }},
        {"about.png",
         [](Workspace& ws) {
             About about(ws.platform);
             return grabShown(about);
         }},
        {"monster_editor.png", &grabEditor<Form2>},
        textEditorShot("text_editor_characters.png", 0, 2),
        textEditorShot("text_editor_monsters.png", 1, 4),
        textEditorShot("text_editor_attacks.png", 2, 159),
        textEditorShot("text_editor_items.png", 3, 0x3F),
        textEditorShot("text_editor_areas.png", 4, 0),
        textEditorShot("text_editor_title.png", 5, -1),
        {"battlefield_gp.png", [](Workspace& ws) { return grabBattlefield(ws, 0); }},
        {"battlefield_exp.png", [](Workspace& ws) { return grabBattlefield(ws, 1); }},
        {"battlefield_item.png", [](Workspace& ws) { return grabBattlefield(ws, 5); }},
        {"equipment_weapons.png", [](Workspace& ws) { return grabEquipment(ws, 0); }},
        {"equipment_armor.png", [](Workspace& ws) { return grabEquipment(ws, 1); }},
        {"equipment_items.png", [](Workspace& ws) { return grabEquipment(ws, 2); }},
        {"attack_editor.png", &grabEditor<Form7>},
        {"character_editor.png", &grabEditor<Form3>},
        {"character_editor_weapons.png",
         [](Workspace& ws) {
             RomFile rom;
             rom.open(ws.platform.romPath);
             GameText text(rom, ws.tablePath, ws.platform);
             Form3 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
             form.show();
             auto* combo = form.findChild<QComboBox*>(QStringLiteral("WeaponCBO"));
             combo->showPopup();
             QTest::qWait(50);
             return combo->view()->window()->grab();
         }},
        {"starting_magic_editor.png", &grabEditor<Form4>},
        {"starting_magic_spell_grid.png",
         [](Workspace& ws) {
             RomFile rom;
             rom.open(ws.platform.romPath);
             GameText text(rom, ws.tablePath, ws.platform);
             Form4 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
             form.show();
             QTest::qWait(50);
             // the grid out of sight below the window, drawn on its own
             return form.findChild<QWidget*>(QStringLiteral("SpellGrid"))->grab();
         }},
        {"treasure_editor.png", &grabEditor<Form9>},
        {"treasure_copy_menu.png",
         [](Workspace& ws) {
             RomFile rom;
             rom.open(ws.platform.romPath);
             GameText text(rom, ws.tablePath, ws.platform);
             Form9 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
             auto* menu = form.findChild<QMenu*>(QStringLiteral("mnuCopy"));
             menu->popup(QPoint(0, 0));
             return grabShown(*menu);
         }},
        {"treasure_index_editor.png", &grabEditor<Form8>},
        {"open_dialog.png", [](Workspace& ws) { return grabOpenDialog(ws, 2, false); }},
        {"open_dialog_all_files.png", [](Workspace& ws) { return grabOpenDialog(ws, 1, false); }},
        {"open_dialog_filter_list.png", [](Workspace& ws) { return grabOpenDialog(ws, 2, true); }},
    };
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    Workspace ws;
    if (!ws.dir.isValid())
        return 1;
    ws.tablePath = ws.dir.filePath(QStringLiteral("vx.tbl"));
    ws.platform.romPath = ws.dir.filePath(QStringLiteral("kaldris.smc"));
    QFile table(ws.tablePath);
    QFile rom(ws.platform.romPath);
    if (!table.open(QIODevice::WriteOnly) || !rom.open(QIODevice::WriteOnly) ||
        rom.write(sampleRomImage()) != 524800)
        return 1;
    table.close();
    rom.close();
    putSampleMonsters(ws);
    // later samples write over the item names of earlier ones: the most specific last
    putSampleNames(ws);
    putSampleTreasure(ws);
    putSampleBattlefields(ws);
    putSampleCharacters(ws);
    putSampleEquipment(ws);
    // a file without a dot and one in upper case, for the open dialog's filters
    QFile(ws.dir.filePath(QStringLiteral("README"))).open(QIODevice::WriteOnly);
    QFile(ws.dir.filePath(QStringLiteral("BACKUP.SMC"))).open(QIODevice::WriteOnly);

    int failures = 0;
    for (const Shot& shot : shots()) {
        const QString path = QDir(outDir).filePath(QString::fromLatin1(shot.file));
        if (shot.take(ws).save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
