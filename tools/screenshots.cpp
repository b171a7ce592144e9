// Writes a PNG of each window in a given state into the folder named on the
// command line, so the windows can be looked at without a display:
//   QT_QPA_PLATFORM=offscreen screenshots DIR
// To add a window, add a row to shots() below.

#include "editors/general/character_editor.h"
#include "editors/general/character_record.h"
#include "editors/general/monster_editor.h"
#include "editors/general/monster_rules.h"
#include "editors/general/name_tables.h"
#include "editors/general/starting_magic_editor.h"
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
        {"character_editor.png",
         [](Workspace& ws) {
             RomFile rom;
             rom.open(ws.platform.romPath);
             GameText text(rom, ws.tablePath, ws.platform);
             Form3 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
             return grabShown(form);
         }},
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
        {"starting_magic_editor.png",
         [](Workspace& ws) {
             RomFile rom;
             rom.open(ws.platform.romPath);
             GameText text(rom, ws.tablePath, ws.platform);
             Form4 form(EditorContext{rom, text, ws.platform, RomHeader::readName(rom)});
             return grabShown(form);
         }},
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
    putSampleCharacters(ws);
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
