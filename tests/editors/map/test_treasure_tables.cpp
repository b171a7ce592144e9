#include "editors/general/name_tables.h"
#include "editors/map/treasure_offset_table.h"
#include "editors/map/treasure_records.h"
#include "editors/map/treasure_rules.h"
#include "fake_platform.h"
#include "rom_fixture.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QTest>

using NameTables::ItemNameTable;
using TreasureOffsets::TreasureOffsetTable;

namespace {

QString description(int row) {
    const std::string_view d = TreasureOffsetTable[static_cast<std::size_t>(row)].description;
    return QString::fromLatin1(d.data(), static_cast<qsizetype>(d.size()));
}

} // namespace

class TestTreasureTables : public QObject {
    Q_OBJECT
private slots:
    void descriptionsLetterForLetter_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << "Doom Castle: Aero Spell Chest";
        QTest::newRow("twin 19") << 19 << "Foresta Houses: Hidden and not used Chest";
        QTest::newRow("twin 20") << 20 << "Foresta Houses: Hidden and not used Chest";
        QTest::newRow("out of order") << 32 << "Bone Dungeon: B2 Quake Spell Chest";
        QTest::newRow("no colon") << 110 << "Volcano (base) White Magic Chest";
        QTest::newRow("Lave") << 131 << "Lave Dome (room, West): Chest (NW, Top)";
        QTest::newRow("lower-case chest") << 132 << "Lave Dome (room, West): chest (NW, Bottom)";
        QTest::newRow("no colon 142") << 142 << "Lava Dome (room, NW) Chest (NW)";
        QTest::newRow("longest") << 145
                                 << "Lava Dome (room, West Middle & East Top): Chest (N, Middle)";
        QTest::newRow("undocumented 154") << 154 << "Undocumented Chest (?)";
        QTest::newRow("undocumented 155") << 155 << "Undocumented Chest (?)";
        QTest::newRow("Pazusu") << 201 << "Pazusu's Tower (2F): Chest (E, Left)";
        QTest::newRow("double blank 218") << 218 << "Mac's Ship (Deck, Monsters): Chest  (N)";
        QTest::newRow("single blank 225") << 225 << "Mac's Ship (B1F): Gaia's Armor Chest";
        QTest::newRow("last") << 242 << "Doom Castle (7F): Chest  (E)";
    }
    void descriptionsLetterForLetter() {
        QFETCH(int, row);
        QFETCH(QString, text);
        QCOMPARE(description(row), text);
    }

    void descriptionsFitTheList() {
        for (int row = 0; row < TreasureOffsets::Count; ++row)
            QVERIFY2(description(row).size() <= 59, qPrintable(description(row)));
    }

    void parseOffsetText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("offset");
        QTest::newRow("five digits") << "3B2CA" << 242378LL;
        QTest::newRow("zero") << "0" << 0LL;
        QTest::newRow("lower case") << "3d990" << 0x3D990LL;
        QTest::newRow("empty") << "" << -1LL;
        QTest::newRow("not hex") << "3B2CG" << -1LL;
        QTest::newRow("prefix") << "0x3B2CA" << -1LL;
        QTest::newRow("blank") << " 3B2CA" << -1LL;
    }
    void parseOffsetText() {
        QFETCH(QString, text);
        QFETCH(qlonglong, offset);
        QCOMPARE(TreasureOffsets::parseOffsetText(text.toStdString()), offset);
    }

    // The contents list's classes cover every byte value without a gap.
    void contentsCodeClasses_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("named");
        QTest::newRow("items to the first attack") << 0 << 64 << true;
        QTest::newRow("attacks") << 65 << 220 << false;
        QTest::newRow("the three late names") << 221 << 223 << true;
        QTest::newRow("no names") << 224 << 255 << false;
    }
    void contentsCodeClasses() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, named);
        for (int code = first; code <= last; ++code)
            QVERIFY2(TreasureRules::contentsCodeNamed(static_cast<std::uint8_t>(code)) == named,
                     qPrintable(QString::number(code)));
    }

    // The number shown is the treasure index; the name is that of the code.
    void rowTexts_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QString>("item");
        QTest::newRow("code 64 named") << 0x1A << 64 << "[1A] Code 64     "
                                       << "Code 64     ";
        QTest::newRow("code 65 not") << 0x1A << 65 << "[DO NOT USE]"
                                     << "Code 65     ";
        QTest::newRow("code 221 named") << 0xFF << 221 << "[FF] Code 221    "
                                        << "Code 221    ";
        QTest::newRow("code 223 named") << 9 << 223 << "[9] Code 223    "
                                        << "Code 223    ";
        QTest::newRow("code 224 has no name") << 10 << 224 << "[DO NOT USE]"
                                              << "--DO NOT USE--";
        QTest::newRow("index 0, code 0") << 0 << 0 << "[0] Code 0      "
                                         << "Code 0      ";
    }
    void rowTexts() {
        QFETCH(int, index);
        QFETCH(int, code);
        QFETCH(QString, contents);
        QFETCH(QString, item);
        RomFixture fixture;
        if (code < ItemNameTable.count)
            fixture.setText(ItemNameTable.offset(code), QStringLiteral("Code %1").arg(code),
                            ItemNameTable.length);
        FakePlatform platform;
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        const GameText text(rom, fixture.tablePath(), platform);
        QCOMPARE(TreasureRules::contentsRow(text, index, static_cast<std::uint8_t>(code)),
                 contents);
        QCOMPARE(TreasureRules::itemCodeRow(text, code), item);
    }

    void hexLabels_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("range");
        QTest::newRow("stored range") << "16"
                                      << "31"
                                      << "[10] to [1F]";
        QTest::newRow("above the cap, as typed") << "300"
                                                 << "255"
                                                 << "[12C] to [FF]";
        QTest::newRow("empty box shows 0") << ""
                                           << "7"
                                           << "[0] to [7]";
        QTest::newRow("pasted text shows 0") << "1x"
                                             << "007"
                                             << "[0] to [7]";
    }
    void hexLabels() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, range);
        QCOMPARE(TreasureRules::rangeLabel(start, end), range);
    }
};

QTEST_GUILESS_MAIN(TestTreasureTables)
#include "test_treasure_tables.moc"
