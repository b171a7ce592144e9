#include "editor_driver.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/general/character_editor.h"
#include "editors/general/character_record.h"
#include "editors/general/name_tables.h"
#include "widget_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace CharacterRecord;
using NameTables::ItemNameTable;

namespace {

// A synthetic ROM whose nine characters and sixteen weapons have plain names,
// so a name read and written back is the same bytes.
class Session : public EditorDriver {
public:
    Session() {
        for (int i = 0; i < Count; ++i) {
            fixture.setText(record(i) + Name, QStringLiteral("Hero %1").arg(i), NameLength);
            fixture.setText(record(i) + NameLength, QStringLiteral("Tail %1").arg(i), 8);
        }
        for (int r = 0; r < 16; ++r)
            fixture.setText(ItemNameTable.offset(0x20 + r), QStringLiteral("Blade %1").arg(r),
                            ItemNameTable.length);
        fixture.setByte(record(3) + StartingWeapon, 0x24);
    }
    Form3& open() { return EditorDriver::open<Form3>(); }
    QLineEdit* box(const char* name) { return find<QLineEdit>(name); }
    QComboBox* weapons() { return find<QComboBox>("WeaponCBO"); }
    void select(int row) { clickRow("CharLST", row); }
};

QString padded(const QString& text, int length) {
    return text.leftJustified(length, QLatin1Char(' '));
}

} // namespace

class TestCharacterEditor : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstCharacter() {
        Session s;
        s.fixture.setByte(record(0) + Level, 7);
        s.fixture.setByte(record(0) + Attack, 12);
        s.fixture.setByte(record(0) + Defense, 13);
        s.fixture.setByte(record(0) + Speed, 14);
        s.fixture.setByte(record(0) + MagicPower, 15);
        s.fixture.setByte(record(0) + Accuracy, 16);
        s.fixture.setByte(record(0) + Evade, 17);
        s.fixture.setByte(record(0) + StartingWeapon, 0x22);
        s.fixture.setWord(record(0) + HpCurrent, 150);
        s.fixture.setWord(record(0) + HpMaximum, 200);
        Form3& form = s.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Character Editor - KALDRIS TEST ROM"));
        auto* list = s.find<QListWidget>("CharLST");
        QCOMPARE(list->count(), 9);
        QCOMPARE(selectedRow(*list), 0);
        QCOMPARE(list->item(4)->text(), QStringLiteral("Hero 4  Tail 4  "));
        QCOMPARE(s.find<QLabel>("CharIndexNumLBL")->text(), QStringLiteral("Character Index #: 1"));
        QCOMPARE(s.box("NameTXT")->text(), padded(QStringLiteral("Hero 0"), 8));
        const std::pair<const char*, const char*> shown[] = {
            {"LVLTXT", "7"},  {"ATKTXT", "12"},    {"DEFTXT", "13"},
            {"SPDTXT", "14"}, {"MAGTXT", "15"},    {"ACCTXT", "16"},
            {"EVTXT", "17"},  {"HPMinTXT", "150"}, {"HPMaxTXT", "200"}};
        for (const auto& [name, text] : shown)
            QCOMPARE(s.box(name)->text(), QString::fromLatin1(text));
        QCOMPARE(s.weapons()->count(), 16);
        QCOMPARE(s.weapons()->itemText(15), padded(QStringLiteral("Blade 15"), 12));
        QCOMPARE(s.weapons()->currentIndex(), 2);
        QVERIFY(!s.box("ATKTXT")->isEnabled());
        QVERIFY(!s.box("EVTXT")->isEnabled());
        QVERIFY(!s.find<QProgressBar>("pbar")->isVisible());
        QCOMPARE(s.find<QLabel>("InfoLBL")->text(),
                 QStringLiteral("Careful putting certain weapons on certain people, it could cause "
                                "the game to crash in battle.  "));
        grabIfAsked(form, QStringLiteral("character_editor"));

        s.select(8);
        QCOMPARE(s.find<QLabel>("CharIndexNumLBL")->text(), QStringLiteral("Character Index #: 9"));
        QCOMPARE(s.box("NameTXT")->text(), padded(QStringLiteral("Hero 8"), 8));
    }

    // Apply with nothing edited writes every field back as it was stored, the
    // values the boxes and the combo cannot take from the keyboard included.
    void applyUnchangedLeavesTheFile_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");
        QTest::newRow("level 200") << Level << 200 << "LVLTXT"
                                   << "200";
        QTest::newRow("accuracy 255") << Accuracy << 255 << "ACCTXT"
                                      << "255";
        QTest::newRow("current HP -1") << HpCurrent << 0xFFFF << "HPMinTXT"
                                       << "-1";
        QTest::newRow("maximum HP -32768") << HpMaximum << 0x8000 << "HPMaxTXT"
                                           << "-32768";
        QTest::newRow("maximum HP above the cap") << HpMaximum << 32767 << "HPMaxTXT"
                                                  << "32767";
        QTest::newRow("weapon 0x1F") << StartingWeapon << 0x1F << ""
                                     << "";
        QTest::newRow("weapon 0x35") << StartingWeapon << 0x35 << ""
                                     << "";
        QTest::newRow("weapon 0x00") << StartingWeapon << 0x00 << ""
                                     << "";
        QTest::newRow("weapon 0xFF") << StartingWeapon << 0xFF << ""
                                     << "";
    }
    void applyUnchangedLeavesTheFile() {
        QFETCH(int, field);
        QFETCH(int, stored);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        Session s;
        if (field == HpCurrent || field == HpMaximum)
            s.fixture.setWord(record(6) + field, static_cast<std::int16_t>(stored));
        else
            s.fixture.setByte(record(6) + field, static_cast<std::uint8_t>(stored));
        // a name with bytes that read as no character, and 0xD7 that reads as three
        s.fixture.setBytes(record(6) + Name, QByteArray::fromHex("9A009BD79C9D9E9F"));
        const QByteArray before = s.bytes();
        s.open();
        s.select(6);
        if (box.isEmpty())
            QCOMPARE(s.weapons()->currentIndex(), -1);
        else
            QCOMPARE(s.box(qPrintable(box))->text(), shown);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // The HP boxes: digits only from the keyboard, and on leaving only the empty
    // rule and the cap; a loaded negative value is a number and stays.
    void hpBoxOnLeaving_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("typed"); // null: tabbed through without typing
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("written");
        const QString through;
        for (const char* box : {"HPMinTXT", "HPMaxTXT"}) {
            QTest::addRow("%s: 99999 typed", box) << box << 10 << "99999"
                                                  << "32000" << 0x7D00;
            QTest::addRow("%s: -1 tabbed through", box)
                << box << 0xFFFF << through << "-1" << 0xFFFF;
            QTest::addRow("%s: -32768 tabbed through", box)
                << box << 0x8000 << through << "-32768" << 0x8000;
            QTest::addRow("%s: 32767 tabbed through", box)
                << box << 32767 << through << "32000" << 32000;
            QTest::addRow("%s: emptied", box) << box << 0xFFFF << ""
                                              << "0" << 0;
            QTest::addRow("%s: minus dropped", box) << box << 10 << "-5"
                                                    << "5" << 5;
            QTest::addRow("%s: five digits at most", box) << box << 10 << "123456"
                                                          << "12345" << 12345;
        }
    }
    void hpBoxOnLeaving() {
        QFETCH(QString, box);
        QFETCH(int, stored);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QFETCH(int, written);
        Session s;
        const int field = box == QLatin1String("HPMinTXT") ? HpCurrent : HpMaximum;
        s.fixture.setWord(record(2) + field, static_cast<std::int16_t>(stored));
        QByteArray expected = s.bytes();
        putWord(expected, record(2) + field, static_cast<std::uint16_t>(written));
        s.open();
        s.select(2);
        if (typed.isNull())
            s.pressKey(qPrintable(box), Qt::Key_Tab);
        else
            s.type(qPrintable(box), typed);
        QCOMPARE(s.box(qPrintable(box))->text(), left);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        QCOMPARE(s.box(qPrintable(box))->text(), left);
    }

    // A paste passes no key filter: what is no number becomes 0, and so does a
    // negative number the load did not put there.
    void hpBoxOnPaste_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("left");
        QTest::newRow("negative number") << "-7"
                                         << "0";
        QTest::newRow("below the field") << "-40000"
                                         << "0";
        QTest::newRow("no number") << "12a"
                                   << "0";
        QTest::newRow("minus alone") << "-"
                                     << "0";
    }
    void hpBoxOnPaste() {
        QFETCH(QString, pasted);
        QFETCH(QString, left);
        Session s;
        s.open();
        s.type("HPMinTXT", QString(), false);
        QGuiApplication::clipboard()->setText(pasted);
        // Ctrl+V types a control character, which the key filter drops
        s.pressKey("HPMinTXT", Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(s.box("HPMinTXT")->text(), pasted.left(5)); // five characters at most
        s.pressKey("HPMinTXT", Qt::Key_Tab);
        QCOMPARE(s.box("HPMinTXT")->text(), left);
    }

    // A drop passes neither the key filter nor, the box never having the focus,
    // the correction on leaving: the boxes take none, so Apply writes the record as stored.
    void droppedTextIsRefused_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("dropped");
        QTest::newRow("HP above the cap") << "HPMinTXT"
                                          << "99999";
        QTest::newRow("negative HP") << "HPMaxTXT"
                                     << "-5";
        QTest::newRow("level above the cap") << "LVLTXT"
                                             << "300";
        QTest::newRow("no number") << "DEFTXT"
                                   << "x";
    }
    void droppedTextIsRefused() {
        QFETCH(QString, box);
        QFETCH(QString, dropped);
        Session s;
        s.fixture.setWord(record(0) + HpCurrent, 150);
        s.fixture.setWord(record(0) + HpMaximum, 200);
        s.fixture.setByte(record(0) + Level, 7);
        s.fixture.setByte(record(0) + Defense, 9);
        const QByteArray before = s.bytes();
        s.open();
        const QString shown = s.box(qPrintable(box))->text();
        s.dropText(qPrintable(box), dropped);
        QCOMPARE(s.box(qPrintable(box))->text(), shown);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    void weaponCombo_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shownRow"); // -1: none
        QTest::addColumn<int>("picked");   // -1: none
        QTest::addColumn<int>("written");
        QTest::newRow("0x20 is the first row") << 0x20 << 0 << -1 << 0x20;
        QTest::newRow("0x2F is the last row") << 0x2F << 15 << -1 << 0x2F;
        QTest::newRow("0x1F, none picked") << 0x1F << -1 << -1 << 0x1F;
        QTest::newRow("0x35, none picked") << 0x35 << -1 << -1 << 0x35;
        QTest::newRow("0x35, a row picked") << 0x35 << -1 << 3 << 0x23;
        QTest::newRow("0x20 to the last row") << 0x20 << 0 << 15 << 0x2F;
    }
    void weaponCombo() {
        QFETCH(int, stored);
        QFETCH(int, shownRow);
        QFETCH(int, picked);
        QFETCH(int, written);
        Session s;
        s.fixture.setByte(record(5) + StartingWeapon, static_cast<std::uint8_t>(stored));
        QByteArray expected = s.bytes();
        putByte(expected, record(5) + StartingWeapon, static_cast<std::uint8_t>(written));
        s.open();
        s.select(5);
        QCOMPARE(s.weapons()->currentIndex(), shownRow);
        if (picked >= 0)
            s.pickCombo("WeaponCBO", picked);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        QCOMPARE(s.weapons()->currentIndex(), (written - 0x20) < 16 ? written - 0x20 : -1);
    }

    void applyWritesExactlyTheEditedFields() {
        Session s;
        s.fixture.setByte(record(4) + Attack, 77);
        s.fixture.setByte(record(4) + Evade, 250);
        QByteArray expected = s.bytes();
        s.open();
        s.select(4);
        s.type("NameTXT", QStringLiteral("Ab"));
        s.type("LVLTXT", QStringLiteral("123")); // two characters at most
        s.type("HPMinTXT", QStringLiteral("500"));
        s.type("HPMaxTXT", QStringLiteral("900"));
        s.type("DEFTXT", QStringLiteral("9"));
        s.type("SPDTXT", QString());
        s.type("MAGTXT", QStringLiteral("07"));
        s.type("ACCTXT", QStringLiteral("99"));
        s.type("ATKTXT", QStringLiteral("1")); // disabled: takes nothing
        s.type("EVTXT", QStringLiteral("1"));
        s.pickCombo("WeaponCBO", 9);
        s.apply();

        putBytes(expected, record(4) + Name, QByteArray::fromHex("9AB5") + QByteArray(6, '\x03'));
        putByte(expected, record(4) + Level, 12);
        putWord(expected, record(4) + HpCurrent, 500);
        putWord(expected, record(4) + HpMaximum, 900);
        putByte(expected, record(4) + Defense, 9);
        putByte(expected, record(4) + Speed, 0);
        putByte(expected, record(4) + MagicPower, 7);
        putByte(expected, record(4) + Accuracy, 99);
        putByte(expected, record(4) + StartingWeapon, 0x29);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);

        // the list shows the new name, the same row stays selected and is reread
        auto* list = s.find<QListWidget>("CharLST");
        QCOMPARE(selectedRow(*list), 4);
        QVERIFY(list->isEnabled());
        QCOMPARE(list->item(4)->text(), QStringLiteral("Ab      Tail 4  "));
        QCOMPARE(s.find<QLabel>("CharIndexNumLBL")->text(), QStringLiteral("Character Index #: 5"));
        QCOMPARE(s.box("NameTXT")->text(), padded(QStringLiteral("Ab"), 8));
        QCOMPARE(s.box("SPDTXT")->text(), QStringLiteral("0"));
        QCOMPARE(s.box("MAGTXT")->text(), QStringLiteral("7"));
        QCOMPARE(s.box("ATKTXT")->text(), QStringLiteral("77"));
        QCOMPARE(s.box("EVTXT")->text(), QStringLiteral("250"));
        QCOMPARE(s.weapons()->currentIndex(), 9);
        QVERIFY(!s.find<QProgressBar>("pbar")->isVisible());
    }

    void nameTakesEightTypedCharacters() {
        Session s;
        s.open();
        s.type("NameTXT", QStringLiteral("ABCDEFGHI"));
        QCOMPARE(s.box("NameTXT")->text(), QStringLiteral("ABCDEFGH"));
    }

    void cancelAndAnotherCharacterDropTheEdits() {
        Session s;
        s.fixture.setByte(record(0) + Level, 7);
        const QByteArray before = s.bytes();
        Form3& form = s.open();
        s.type("LVLTXT", QStringLiteral("55"));
        s.pickCombo("WeaponCBO", 1);
        s.select(3);
        s.select(0);
        QCOMPARE(s.box("LVLTXT")->text(), QStringLiteral("7"));
        s.type("NameTXT", QStringLiteral("Zed"));
        s.cancel();
        QVERIFY(!form.isVisible());
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }
};

QTEST_MAIN(TestCharacterEditor)
#include "test_character_editor.moc"
