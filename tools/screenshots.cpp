// Writes a PNG of each window in a given state into the folder named on the
// command line, so the windows can be looked at without a display:
//   QT_QPA_PLATFORM=offscreen screenshots DIR
// To add a window, add a row to shots() below.

#include "editors/general/monster_editor.h"
#include "editors/general/monster_rules.h"
#include "editors/general/name_tables.h"
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
#include <QMenu>
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

struct Shot {
    const char* file;
    std::function<QPixmap(Workspace&)> take;
};

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
        {"monster_editor.png",
         [](Workspace& ws) {
             RomFile rom;
             rom.open(ws.platform.romPath);
             GameText text(rom, ws.tablePath, ws.platform);
             Form2 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
             return grabShown(form);
         }},
        {"treasure_editor.png",
         [](Workspace& ws) {
             RomFile rom;
             rom.open(ws.platform.romPath);
             GameText text(rom, ws.tablePath, ws.platform);
             Form9 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
             return grabShown(form);
         }},
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
        {"treasure_index_editor.png",
         [](Workspace& ws) {
             RomFile rom;
             rom.open(ws.platform.romPath);
             GameText text(rom, ws.tablePath, ws.platform);
             Form8 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
             return grabShown(form);
         }},
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
    putSampleTreasure(ws);
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
