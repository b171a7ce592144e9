#include "editor_driver.h"
#include "editors/frame/flag_list.h"
#include "editors/frame/name_list_fill.h"
#include "editors/general/character_record.h"
#include "editors/general/name_tables.h"
#include "editors/general/starting_magic_editor.h"
#include "widget_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

using namespace CharacterRecord;
using NameTables::ItemNameTable;

namespace {

const char* const SpellNames[] = {"Exit", "Cure", "Heal",    "Life",  "Quake",  "Blizzard",
                                  "Fire", "Aero", "Thunder", "White", "Meteor", "Flare"};

// A synthetic ROM whose spells are named in the file "Spell 14" to "Spell 1F"
// (by item code), and whose characters have plain names.
class Session : public EditorDriver {
public:
    Session() {
        for (int item = 0x14; item <= 0x1F; ++item)
            fixture.setText(ItemNameTable.offset(item), spellText(item), ItemNameTable.length);
        for (int i = 0; i < Count; ++i)
            fixture.setText(record(i) + Name, QStringLiteral("Hero %1").arg(i), ListTextLength);
    }
    static QString spellText(int item) {
        return QStringLiteral("Spell %1").arg(item, 0, 16).toUpper().leftJustified(12);
    }
    Form4& open() { return EditorDriver::open<Form4>(); }
    FlagList* list(int byte) { return find<FlagList>(byte == 0 ? "Magic1LST" : "Magic2LST"); }
    QStringList rows(int byte) {
        QStringList texts;
        for (int row = 0; row < list(byte)->count(); ++row)
            texts << list(byte)->item(row)->text();
        return texts;
    }
    QString checkedRows(int byte) {
        QString marks;
        for (int row = 0; row < 8; ++row)
            marks += list(byte)->item(row)->checkState() == Qt::Checked ? QLatin1Char('x')
                                                                        : QLatin1Char('.');
        return marks;
    }
    // The ticked grid check boxes, in item order, as "x" and ".".
    QString tickedSpells() {
        QString marks;
        for (const char* spell : SpellNames)
            marks += find<QCheckBox>(qPrintable(QLatin1String(spell) + QStringLiteral("CHK")))
                             ->isChecked()
                         ? QLatin1Char('x')
                         : QLatin1Char('.');
        return marks;
    }
};

} // namespace

class TestStartingMagicEditor : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstCharacter() {
        Session s;
        s.fixture.setByte(record(0) + WhiteMagicCount, 3);
        s.fixture.setByte(record(0) + BlackMagicCount, 200);
        s.fixture.setByte(record(0) + WizardMagicCount, 0);
        Form4& form = s.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Character Magic Editor - KALDRIS TEST ROM"));
        QCOMPARE(s.find<QPushButton>("QuitCMD")->text(), QStringLiteral("Close"));
        QCOMPARE(s.find<QLabel>("InfoLBL")->text(),
                 QStringLiteral("Info should go here if I had some!"));
        QVERIFY(!s.find<QProgressBar>("pbar"));
        auto* characters = s.find<QListWidget>("CharLST");
        QCOMPARE(characters->count(), 9);
        QCOMPARE(selectedRow(*characters), 0);
        QCOMPARE(characters->item(8)->text(), QStringLiteral("Hero 8").leftJustified(16));

        QCOMPARE(s.rows(0), (QStringList{Session::spellText(0x1B), Session::spellText(0x1A),
                                         Session::spellText(0x19), Session::spellText(0x18),
                                         Session::spellText(0x17), Session::spellText(0x16),
                                         Session::spellText(0x15), Session::spellText(0x14)}));
        const QString empty = QStringLiteral("Empty");
        QCOMPARE(s.rows(1), (QStringList{empty, empty, empty, empty, Session::spellText(0x1F),
                                         Session::spellText(0x1E), Session::spellText(0x1D),
                                         Session::spellText(0x1C)}));

        const std::pair<const char*, const char*> counts[] = {
            {"WHTXT", "3"}, {"BLTXT", "200"}, {"WZTXT", "0"}};
        for (const auto& [name, shown] : counts) {
            auto* box = s.find<QLineEdit>(name);
            QVERIFY2(box->isEnabled(), name);
            QCOMPARE(box->text(), QString::fromLatin1(shown));
        }

        // the spell grid is named from the file but lies out of sight
        for (int spell = 0; spell < 12; ++spell) {
            const QString name = QLatin1String(SpellNames[spell]);
            auto* label = s.find<QLabel>(qPrintable(name + QStringLiteral("LBL")));
            QCOMPARE(label->text(), Session::spellText(0x14 + spell));
            QVERIFY(!s.find<QLabel>(qPrintable(name + QStringLiteral("IMG")))->pixmap().isNull());
            auto* check = s.find<QCheckBox>(qPrintable(name + QStringLiteral("CHK")));
            QVERIFY(check->isEnabled());
            QVERIFY(
                !form.rect().intersects(QRect(check->mapTo(&form, QPoint(0, 0)), check->size())));
        }
        grabIfAsked(form, QStringLiteral("starting_magic_editor"));
    }

    // Each spell byte sets all eight rows of its list, and the grid follows the
    // spell rows (the "Empty" rows have no check box).
    void spellBytesLoad_data() {
        QTest::addColumn<int>("bits1");
        QTest::addColumn<int>("bits2");
        QTest::addColumn<QString>("rows1");
        QTest::addColumn<QString>("rows2");
        QTest::addColumn<QString>("grid"); // Exit .. Flare
        QTest::newRow("0x81: Aero and Exit") << 0x81 << 0x00 << "x......x"
                                             << "........"
                                             << "x......x....";
        QTest::newRow("the four spells of +0x39") << 0x00 << 0xF0 << "........"
                                                  << "....xxxx"
                                                  << "........xxxx";
        QTest::newRow("the Empty rows alone") << 0x00 << 0x0F << "........"
                                              << "xxxx...."
                                              << "............";
        QTest::newRow("Cure and Meteor") << 0x40 << 0x20 << "......x."
                                         << ".....x.."
                                         << ".x........x.";
        QTest::newRow("all") << 0xFF << 0xFF << "xxxxxxxx"
                             << "xxxxxxxx"
                             << "xxxxxxxxxxxx";
    }
    void spellBytesLoad() {
        QFETCH(int, bits1);
        QFETCH(int, bits2);
        QFETCH(QString, rows1);
        QFETCH(QString, rows2);
        QFETCH(QString, grid);
        Session s;
        s.fixture.setByte(record(0) + SpellBits1, 0xFF);
        s.fixture.setByte(record(0) + SpellBits2, 0xFF);
        s.fixture.setByte(record(7) + SpellBits1, static_cast<std::uint8_t>(bits1));
        s.fixture.setByte(record(7) + SpellBits2, static_cast<std::uint8_t>(bits2));
        s.open();
        s.clickRow("CharLST", 7);
        QCOMPARE(s.checkedRows(0), rows1);
        QCOMPARE(s.checkedRows(1), rows2);
        QCOMPARE(s.tickedSpells(), grid);
    }

    void emptyRowsSetAndClearTheLowBits() {
        Session s;
        s.fixture.setByte(record(2) + SpellBits2, 0xA0);
        QByteArray expected = s.bytes();
        s.open();
        s.clickRow("CharLST", 2);
        for (int row = 0; row < 4; ++row)
            s.clickRow("Magic2LST", row);
        s.apply();
        putByte(expected, record(2) + SpellBits2, 0xAF);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        for (int row = 0; row < 4; ++row)
            s.clickRow("Magic2LST", row);
        s.apply();
        putByte(expected, record(2) + SpellBits2, 0xA0);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // Apply writes the counts and the spell rows, and nothing else: no name, no
    // other byte of the record; twice gives the same file.
    void applyWritesOnlyTheFiveBytes() {
        Session s;
        s.fixture.setByte(record(8) + SpellBits1, 0x00);
        s.fixture.setByte(record(8) + SpellBits2, 0x00);
        QByteArray expected = s.bytes();
        s.open();
        s.clickRow("CharLST", 8);
        s.type("WHTXT", QStringLiteral("12"));
        s.type("BLTXT", QString());
        s.type("WZTXT", QStringLiteral("345")); // two characters at most
        s.clickRow("Magic1LST", 1);
        s.clickRow("Magic1LST", 6);
        s.clickRow("Magic2LST", 7);
        s.apply();
        putByte(expected, record(8) + WhiteMagicCount, 12);
        putByte(expected, record(8) + BlackMagicCount, 0);
        putByte(expected, record(8) + WizardMagicCount, 34);
        putByte(expected, record(8) + SpellBits1, 0x42);
        putByte(expected, record(8) + SpellBits2, 0x80);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        // no reload: the row and the shown values stay
        QCOMPARE(selectedRow(*s.find<QListWidget>("CharLST")), 8);
        QCOMPARE(s.find<QLineEdit>("WZTXT")->text(), QStringLiteral("34"));
    }

    void countOf200WrittenBackUnchanged() {
        Session s;
        s.fixture.setByte(record(4) + WizardMagicCount, 200);
        const QByteArray before = s.bytes();
        s.open();
        s.clickRow("CharLST", 4);
        QCOMPARE(s.find<QLineEdit>("WZTXT")->text(), QStringLiteral("200"));
        s.pressKey("WZTXT", Qt::Key_Tab);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // The grid is shown nowhere and saved never: only the list rows count.
    void gridTicksWriteNothing() {
        Session s;
        s.fixture.setByte(record(0) + SpellBits1, 0x81);
        s.fixture.setByte(record(0) + SpellBits2, 0x00);
        const QByteArray before = s.bytes();
        s.open();
        s.click("ExitCHK");
        s.click("CureCHK");
        s.click("FlareCHK");
        QCOMPARE(s.tickedSpells(), QStringLiteral(".x.....x...x"));
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
        QCOMPARE(s.checkedRows(0), QStringLiteral("x......x"));
    }

    // Tab goes round the controls a person sees; the grid out of sight takes no focus.
    void tabSkipsTheUnseenGrid() {
        Session s;
        Form4& form = s.open();
        QStringList visited;
        for (int k = 0; k < 9; ++k) {
            visited << form.focusWidget()->objectName();
            QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{"CharLST", "Magic1LST", "Magic2LST", "WHTXT", "BLTXT",
                                       "WZTXT", "ApplyCMD", "QuitCMD", "CharLST"}));
    }

    void renamedSpellShowsAtTheNextOpening() {
        Session s;
        s.open();
        s.cancel();
        s.fixture.setText(ItemNameTable.offset(0x1B), QStringLiteral("Gale"), ItemNameTable.length);
        s.fixture.setText(ItemNameTable.offset(0x1C), QStringLiteral("Bolt"), ItemNameTable.length);
        s.open();
        QCOMPARE(s.list(0)->item(0)->text(), QStringLiteral("Gale").leftJustified(12));
        QCOMPARE(s.list(1)->item(7)->text(), QStringLiteral("Bolt").leftJustified(12));
        QCOMPARE(s.find<QLabel>("AeroLBL")->text(), QStringLiteral("Gale").leftJustified(12));
        QCOMPARE(s.find<QLabel>("ThunderLBL")->text(), QStringLiteral("Bolt").leftJustified(12));
    }

    void closeAndAnotherCharacterDropTheEdits() {
        Session s;
        s.fixture.setByte(record(0) + WhiteMagicCount, 9);
        s.fixture.setByte(record(0) + SpellBits1, 0x00);
        const QByteArray before = s.bytes();
        Form4& form = s.open();
        s.type("WHTXT", QStringLiteral("55"));
        s.clickRow("Magic1LST", 3);
        s.clickRow("CharLST", 1);
        s.clickRow("CharLST", 0);
        QCOMPARE(s.find<QLineEdit>("WHTXT")->text(), QStringLiteral("9"));
        QCOMPARE(s.checkedRows(0), QStringLiteral("........"));
        s.clickRow("Magic1LST", 3);
        s.cancel();
        QVERIFY(!form.isVisible());
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }
};

QTEST_MAIN(TestStartingMagicEditor)
#include "test_starting_magic_editor.moc"
