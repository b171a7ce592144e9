#include "editor_driver.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/general/monster_editor.h"
#include "editors/general/monster_rules.h"
#include "editors/general/name_tables.h"
#include "widget_helpers.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

using namespace MonsterRecords;
using NameTables::MonsterNameTable;

namespace {

struct Monster {
    QString name;
    std::uint16_t hp;
    std::uint8_t strength, defense, speed, magic, byte8, counter, exp, gp;
};

void putMonster(RomFixture& rom, int i, const Monster& m) {
    rom.setText(MonsterNameTable.offset(i), m.name, MonsterNameTable.length);
    rom.setWord(stat(i) + Hp, static_cast<std::int16_t>(m.hp));
    rom.setByte(stat(i) + Strength, m.strength);
    rom.setByte(stat(i) + Defense, m.defense);
    rom.setByte(stat(i) + Speed, m.speed);
    rom.setByte(stat(i) + MagicPower, m.magic);
    rom.setByte(stat(i) + Byte8, m.byte8);
    rom.setByte(stat(i) + Counter, m.counter);
    rom.setByte(reward(i) + Exp, m.exp);
    rom.setByte(reward(i) + Gp, m.gp);
}

const Monster Slime{QStringLiteral("Slime"), 30, 5, 6, 7, 8, 0x05, 0, 4, 10};
const Monster Ogre{QStringLiteral("Ogre"), 1200, 40, 30, 20, 10, 0x85, 24, 70, 70};

// A synthetic ROM with two known monsters, for the monster editor.
class Session : public EditorDriver {
public:
    Session() {
        putMonster(fixture, 0, Slime);
        putMonster(fixture, 5, Ogre);
    }
    Form2& open() { return EditorDriver::open<Form2>(); }
    NumericBox* box(const char* name) { return find<NumericBox>(name); }
    void select(int row) { clickRow("MonsterLST", row); }
};

QString padded(const QString& name) {
    return name.leftJustified(16, QLatin1Char(' '));
}

} // namespace

class TestMonsterEditor : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstMonster() {
        Session s;
        Form2& form = s.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Monster Editor - KALDRIS TEST ROM"));
        auto* list = s.find<QListWidget>("MonsterLST");
        QCOMPARE(list->count(), 81);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(list->item(5)->text(), padded(QStringLiteral("Ogre")));
        QCOMPARE(s.find<QLabel>("MonsterIndexNumLBL")->text(),
                 QStringLiteral("Monster Index #: 1"));
        QCOMPARE(s.find<QLineEdit>("NameTXT")->text(), padded(QStringLiteral("Slime")));
        QCOMPARE(s.box("HPTXT")->text(), QStringLiteral("30"));
        QCOMPARE(s.box("STRTXT")->text(), QStringLiteral("5"));
        QCOMPARE(s.box("MAGTXT")->text(), QStringLiteral("8"));
        QCOMPARE(s.box("EXPTXT")->text(), QStringLiteral("12"));
        QCOMPARE(s.box("GPTXT")->text(), QStringLiteral("30"));
        QVERIFY(s.find<QRadioButton>("NothingOPT")->isChecked());
        QVERIFY(!s.find<QCheckBox>("PreventLifeSpellCHK")->isChecked());
        QVERIFY(s.box("Byte8TXT")->isHidden());
        QVERIFY(!s.box("Byte8TXT")->isEnabled());
        QVERIFY(s.box("CounterTXT")->isHidden());
        QVERIFY(!s.find<QProgressBar>("pbar")->isVisible());

        s.select(80);
        QCOMPARE(s.find<QLabel>("MonsterIndexNumLBL")->text(),
                 QStringLiteral("Monster Index #: 81"));
    }

    // The row a person clicks is the one shown, and Apply writes into it alone.
    void clickedRowIsShownAndWritten_data() {
        QTest::addColumn<bool>("byKeys");
        QTest::newRow("mouse") << false;
        QTest::newRow("arrow keys") << true;
    }
    void clickedRowIsShownAndWritten() {
        QFETCH(bool, byKeys);
        Session s;
        QByteArray expected = s.fixture.bytes();
        s.open();
        if (byKeys) {
            for (int k = 0; k < 5; ++k)
                s.pressKey("MonsterLST", Qt::Key_Down);
        } else {
            s.select(6);
            QCOMPARE(s.find<QLabel>("MonsterIndexNumLBL")->text(),
                     QStringLiteral("Monster Index #: 7"));
            s.select(5);
        }
        QCOMPARE(s.find<QLabel>("MonsterIndexNumLBL")->text(),
                 QStringLiteral("Monster Index #: 6"));
        QCOMPARE(s.find<QLineEdit>("NameTXT")->text(), padded(QStringLiteral("Ogre")));
        QCOMPARE(s.box("HPTXT")->text(), QStringLiteral("1200"));
        s.type("HPTXT", QStringLiteral("77"));
        s.apply();
        putWord(expected, stat(5) + Hp, 77);
        putByte(expected, stat(5) + Counter, 8); // Ogre's 24 normalised
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), expected);
    }

    // Once a row is selected, nothing the user does leaves the list without one.
    void listKeepsASelectedRow_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("shown");
        QTest::newRow("Ctrl+click on the selected row") << "ctrl-click" << 5;
        QTest::newRow("Ctrl+Space on the selected row") << "ctrl-space" << 5;
        QTest::newRow("Ctrl+Down then Ctrl+Space") << "ctrl-down-space" << 6;
        QTest::newRow("Ctrl+click on another row") << "ctrl-click-other" << 7;
    }
    void listKeepsASelectedRow() {
        QFETCH(QString, action);
        QFETCH(int, shown);
        Session s;
        putMonster(s.fixture, 6, Slime);
        putMonster(s.fixture, 7, Slime);
        QByteArray expected = s.fixture.bytes();
        s.open();
        s.select(5);
        if (action == QStringLiteral("ctrl-click")) {
            s.clickRow("MonsterLST", 5, Qt::ControlModifier);
        } else if (action == QStringLiteral("ctrl-click-other")) {
            s.clickRow("MonsterLST", 7, Qt::ControlModifier);
        } else {
            if (action == QStringLiteral("ctrl-down-space"))
                s.pressKey("MonsterLST", Qt::Key_Down, Qt::ControlModifier);
            s.pressKey("MonsterLST", Qt::Key_Space, Qt::ControlModifier);
        }
        QCOMPARE(selectedRow(*s.find<QListWidget>("MonsterLST")), shown);
        QCOMPARE(s.find<QLabel>("MonsterIndexNumLBL")->text(),
                 QStringLiteral("Monster Index #: %1").arg(shown + 1));
        s.type("STRTXT", QStringLiteral("99"));
        s.apply();
        putByte(expected, stat(shown) + Strength, 99);
        if (shown == 5)
            putByte(expected, stat(5) + Counter, 8);
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), expected);
    }

    // The focus starts on the list, so a key pressed at once presses no button.
    void opensWithTheFocusOnTheList() {
        Session s;
        s.fixture.setByte(stat(0) + Counter, 24); // an Apply would normalise it
        const QByteArray before = s.fixture.bytes();
        s.open();
        QCOMPARE(QApplication::focusWidget(), s.find<QWidget>("MonsterLST"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), before);
    }

    // A write the drive refuses is told once per Apply, and the window stays.
    void failedWriteIsToldOncePerApply() {
        Session s;
        Form2& form = s.open();
        QCOMPARE(breakWrites(s.fixture.romPath()), 1);
        s.type("HPTXT", QStringLiteral("5"));
        s.apply();
        QCOMPARE(s.platform.messages.size(), 1);
        QVERIFY(s.platform.messages[0].text.contains(s.fixture.romPath()));
        QCOMPARE(s.platform.messages[0].icon, Platform::Icon::Critical);
        s.apply();
        QCOMPARE(s.platform.messages.size(), 2);
        QVERIFY(form.isVisible());
    }

    // An image replaced, deleted or cut short on disk gets one message and no
    // write, neither at its path nor into the file still open; the edit stays.
    void changedImageIsNotWritten_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"replaced", "deleted", "truncated"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void changedImageIsNotWritten() {
        QFETCH(QString, how);
        Session s;
        Form2& form = s.open();
        s.type("HPTXT", QStringLiteral("5"));
        changeOnDisk(s.fixture, how);
        const QByteArray atPath = s.bytes(), held = s.rom.readBlock(0, 524800);
        s.apply();
        QCOMPARE(s.platform.messages.size(), 1);
        QVERIFY(s.platform.messages[0].text.contains(s.fixture.romPath()));
        KALDRIS_COMPARE_IMAGE(s.bytes(), atPath);
        KALDRIS_COMPARE_IMAGE(s.rom.readBlock(0, 524800), held);
        QCOMPARE(s.box("HPTXT")->text(), QStringLiteral("5"));
        QVERIFY(form.isVisible());
    }

    void loadShowsStoredValues_data() {
        QTest::addColumn<int>("hp");
        QTest::addColumn<int>("exp");
        QTest::addColumn<int>("gp");
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("byte8");
        QTest::addColumn<QString>("hpShown");
        QTest::addColumn<QString>("expShown");
        QTest::addColumn<QString>("gpShown");
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("preventLife");
        QTest::newRow("tops") << 0xFFFF << 255 << 255 << 24 << 0x85 << "65535"
                              << "765"
                              << "2550"
                              << "PhysicalOPT" << true;
        QTest::newRow("sign bit") << 0x8000 << 0 << 70 << 0x90 << 0x05 << "32768"
                                  << "0"
                                  << "420"
                                  << "PetrifyOPT" << false;
        QTest::newRow("edges") << 0 << 1 << 65 << 7 << 128 << "0"
                               << "3"
                               << "195"
                               << "NothingOPT" << true;
        QTest::newRow("poison") << 32767 << 2 << 74 << 112 << 127 << "32767"
                                << "6"
                                << "740"
                                << "PoisonOPT" << false;
    }
    void loadShowsStoredValues() {
        QFETCH(int, hp);
        QFETCH(int, exp);
        QFETCH(int, gp);
        QFETCH(int, counter);
        QFETCH(int, byte8);
        QFETCH(QString, hpShown);
        QFETCH(QString, expShown);
        QFETCH(QString, gpShown);
        QFETCH(QString, option);
        QFETCH(bool, preventLife);
        Session s;
        putMonster(s.fixture, 9,
                   {QStringLiteral("Wisp"), static_cast<std::uint16_t>(hp), 1, 2, 3, 4,
                    static_cast<std::uint8_t>(byte8), static_cast<std::uint8_t>(counter),
                    static_cast<std::uint8_t>(exp), static_cast<std::uint8_t>(gp)});
        s.open();
        s.select(9);
        QCOMPARE(s.box("HPTXT")->text(), hpShown);
        QCOMPARE(s.box("EXPTXT")->text(), expShown);
        QCOMPARE(s.box("GPTXT")->text(), gpShown);
        QVERIFY(s.find<QRadioButton>(qPrintable(option))->isChecked());
        QCOMPARE(s.find<QCheckBox>("PreventLifeSpellCHK")->isChecked(), preventLife);
        QCOMPARE(s.box("Byte8TXT")->text(), QString::number(byte8));
        QCOMPARE(s.box("CounterTXT")->text(), QString::number(counter));
    }

    // Apply with nothing edited rewrites the same bytes; only a counter byte
    // outside the six kinds is normalised.
    void applyUnchangedNormalisesOnlyTheCounter_data() {
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("written");
        QTest::newRow("24 is a physical attack") << 24 << 8;
        QTest::newRow("0x90 is petrify") << 0x90 << 128;
        QTest::newRow("7 is nothing") << 7 << 0;
        QTest::newRow("64 stays") << 64 << 64;
    }
    void applyUnchangedNormalisesOnlyTheCounter() {
        QFETCH(int, counter);
        QFETCH(int, written);
        Session s;
        s.fixture.setByte(stat(5) + Counter, static_cast<std::uint8_t>(counter));
        QByteArray expected = s.fixture.bytes();
        putByte(expected, stat(5) + Counter, static_cast<std::uint8_t>(written));
        s.open();
        s.select(5);
        s.click("ApplyCMD");
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), expected);
    }

    void applyWritesExactlyTheEditedFields() {
        Session s;
        QByteArray expected = s.fixture.bytes();
        s.open();
        s.select(5);
        s.type("NameTXT", QStringLiteral("Bat"));
        s.type("HPTXT", QStringLiteral("40000"));
        s.type("STRTXT", QStringLiteral("300"));
        s.type("DEFTXT", QStringLiteral("7"));
        s.type("SPDTXT", QString());
        s.type("MAGTXT", QStringLiteral("012"));
        s.type("EXPTXT", QStringLiteral("764"));
        s.type("GPTXT", QStringLiteral("500"));
        s.click("PoisonOPT");
        s.click("PreventLifeSpellCHK"); // 0x85 on -> off
        s.click("ApplyCMD");

        putBytes(expected, MonsterNameTable.offset(5),
                 QByteArray::fromHex("9BB4C7") + QByteArray(13, '\x03'));
        putWord(expected, stat(5) + Hp, 40000);
        putByte(expected, stat(5) + Strength, 255);
        putByte(expected, stat(5) + Defense, 7);
        putByte(expected, stat(5) + Speed, 0);
        putByte(expected, stat(5) + MagicPower, 12);
        putByte(expected, stat(5) + Byte8, 0x05);
        putByte(expected, stat(5) + Counter, 64);
        putByte(expected, reward(5) + Exp, 255);
        putByte(expected, reward(5) + Gp, 50);
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), expected);

        // the list shows the new name and the boxes what the file now holds
        auto* list = s.find<QListWidget>("MonsterLST");
        QCOMPARE(list->currentRow(), 5);
        QVERIFY(list->isEnabled());
        QCOMPARE(list->item(5)->text(), padded(QStringLiteral("Bat")));
        QCOMPARE(s.find<QLabel>("MonsterIndexNumLBL")->text(),
                 QStringLiteral("Monster Index #: 6"));
        QCOMPARE(s.box("GPTXT")->text(), QStringLiteral("150"));
        QCOMPARE(s.box("EXPTXT")->text(), QStringLiteral("765"));
        QCOMPARE(s.box("STRTXT")->text(), QStringLiteral("255"));
        QCOMPARE(s.box("SPDTXT")->text(), QStringLiteral("0"));
        QCOMPARE(s.box("Byte8TXT")->text(), QStringLiteral("5"));
        QVERIFY(!s.find<QCheckBox>("PreventLifeSpellCHK")->isChecked());
        QVERIFY(s.find<QRadioButton>("PoisonOPT")->isChecked());
        QVERIFY(!s.find<QProgressBar>("pbar")->isVisible());
    }

    // A GP the three scales cannot hold leaves the byte; the reload shows the old GP.
    void gpInTheGapLeavesTheByte_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored"); // -1: the byte stays
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("300") << "300" << -1 << "420";
        QTest::newRow("198") << "198" << -1 << "420";
        QTest::newRow("390") << "390" << -1 << "420";
        QTest::newRow("441") << "441" << 74 << "740";
        QTest::newRow("over the cap") << "9999" << 255 << "2550";
    }
    void gpInTheGapLeavesTheByte() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, shownAfter);
        Session s;
        QByteArray expected = s.fixture.bytes();
        putByte(expected, stat(5) + Counter, 8); // Ogre's 24 normalised
        if (stored >= 0)
            putByte(expected, reward(5) + Gp, static_cast<std::uint8_t>(stored));
        s.open();
        s.select(5);
        s.type("GPTXT", typed);
        s.click("ApplyCMD");
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), expected);
        QCOMPARE(s.box("GPTXT")->text(), shownAfter);
    }

    // Apply can be clicked while a box still holds an uncorrected value.
    void applyCorrectsTheBoxBeingEdited() {
        Session s;
        QByteArray expected = s.fixture.bytes();
        s.open();
        auto* hp = s.box("HPTXT");
        focusBox(*hp);
        hp->selectAll();
        QTest::keyClicks(hp, QStringLiteral("99999"));
        s.click("ApplyCMD");
        putWord(expected, stat(0) + Hp, 0xFFFF);
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), expected);
        QCOMPARE(hp->text(), QStringLiteral("65535"));
    }

    void cancelWritesNothing() {
        Session s;
        const QByteArray before = s.fixture.bytes();
        Form2& form = s.open();
        s.type("NameTXT", QStringLiteral("Zed"));
        s.type("HPTXT", QStringLiteral("1"));
        s.click("PetrifyOPT");
        s.click("QuitCMD");
        QVERIFY(!form.isVisible());
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), before);
    }

    void anotherMonsterDropsTheEdits() {
        Session s;
        const QByteArray before = s.fixture.bytes();
        s.open();
        s.type("HPTXT", QStringLiteral("777"));
        s.click("PetrifyOPT");
        s.select(5);
        s.select(0);
        QCOMPARE(s.box("HPTXT")->text(), QStringLiteral("30"));
        QVERIFY(s.find<QRadioButton>("NothingOPT")->isChecked());
        KALDRIS_COMPARE_IMAGE(s.fixture.bytes(), before);
    }

    void nameTakesSixteenTypedCharacters() {
        Session s;
        s.open();
        s.type("NameTXT", QStringLiteral("ABCDEFGHIJKLMNOPQ"));
        QCOMPARE(s.find<QLineEdit>("NameTXT")->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    }

    void showsEveryControl() {
        Session s;
        Form2& form = s.open();
        grabIfAsked(form, QStringLiteral("monster_editor"));
        const char* names[] = {"MonsterLST",  "NameTXT",    "HPTXT",       "STRTXT",
                               "DEFTXT",      "SPDTXT",     "MAGTXT",      "EXPTXT",
                               "GPTXT",       "NothingOPT", "PhysicalOPT", "ConfusionOPT",
                               "ParalyzeOPT", "PoisonOPT",  "PetrifyOPT",  "PreventLifeSpellCHK",
                               "ApplyCMD",    "QuitCMD",    "InfoLBL"};
        for (const char* name : names) {
            auto* w = s.find<QWidget>(name);
            QVERIFY2(w && w->isVisible(), name);
        }
        QCOMPARE(s.find<QLabel>("InfoLBL")->text(),
                 QStringLiteral("Use asterisks \"*\" for line breaks."));
    }
};

QTEST_MAIN(TestMonsterEditor)
#include "test_monster_editor.moc"
