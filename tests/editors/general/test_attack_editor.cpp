#include "editor_driver.h"
#include "editors/frame/numeric_box.h"
#include "editors/general/attack_editor.h"
#include "editors/general/attack_rules.h"
#include "editors/general/name_tables.h"
#include "widget_helpers.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace AttackRecord;
using NameTables::AttackNameTable;
using NameTables::ItemNameTable;

namespace {

struct Attack {
    QString name;
    std::uint8_t type, status, power, effect, sound, targeting;
};

void putAttack(RomFixture& rom, int i, const Attack& a) {
    rom.setText(AttackNameTable.offset(i), a.name, AttackNameTable.length);
    rom.setByte(record(i) + Type, a.type);
    rom.setByte(record(i) + Status, a.status);
    rom.setByte(record(i) + Power, a.power);
    rom.setByte(record(i) + Effect, a.effect);
    rom.setByte(record(i) + Sound, a.sound);
    rom.setByte(record(i) + Targeting, a.targeting);
}

const Attack Flame{QStringLiteral("Flame"), 32, 0x81, 40, 3, 17, 129};
const Attack Quake{QStringLiteral("Quake"), 200, 0x00, 90, 0, 5, 128};

QString padded(const QString& name) {
    return name.leftJustified(12, QLatin1Char(' '));
}

// Space codes after a name, to the end of its 12-byte field.
QByteArray nameBytes(const QByteArray& codes) {
    return codes + QByteArray(12 - codes.size(), '\x03');
}

class Session : public EditorDriver {
public:
    Session() {
        putAttack(fixture, 0, Flame);
        putAttack(fixture, 120, Quake);
    }
    Form7& open() { return EditorDriver::open<Form7>(); }
    NumericBox* box(const char* name) { return find<NumericBox>(name); }
    bool checked(const char* option) { return find<QRadioButton>(option)->isChecked(); }
};

} // namespace

class TestAttackEditor : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstAttack() {
        Session s;
        Form7& form = s.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Attack Editor - KALDRIS TEST ROM"));
        auto* list = s.find<QListWidget>("AtkLST");
        QCOMPARE(list->count(), 156);
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(list->hasFocus());
        QCOMPARE(list->item(120)->text(), padded(QStringLiteral("Quake")));
        QCOMPARE(s.find<QLineEdit>("AttackNameTXT")->text(), padded(QStringLiteral("Flame")));
        QCOMPARE(s.box("TargetTXT")->text(), QStringLiteral("129"));
        QCOMPARE(s.box("AttackPowerTXT")->text(), QStringLiteral("40"));
        QCOMPARE(s.box("Byte4TXT")->text(), QStringLiteral("3"));
        QCOMPARE(s.box("SoundEffectTXT")->text(), QStringLiteral("17"));
        QVERIFY(s.checked("FireOPT"));
        auto* status = s.find<QListWidget>("AtkElementLST");
        QCOMPARE(status->item(0)->checkState(), Qt::Checked);
        QCOMPARE(status->item(1)->checkState(), Qt::Unchecked);
        QCOMPARE(status->item(7)->checkState(), Qt::Checked);
        QCOMPARE(s.box("TargetTXT")->toolTip(),
                 QStringLiteral("Enter 129 for Attack One Target or 128 for Attack All Targets"));
        QCOMPARE(
            s.find<QLabel>("InfoLBL")->text(),
            QStringLiteral("Use an _ to separate words.  Save the Effect byte at your own risk!!"));
        QVERIFY(!s.find<QProgressBar>("pbar")->isVisible());
    }

    // The list ends at item name entry 219; the four attack names after it are not reached.
    void theLastRowIsItemNameEntry219() {
        Session s;
        s.fixture.setText(ItemNameTable.offset(219), QStringLiteral("Final_Blow"), 12);
        s.fixture.setText(ItemNameTable.offset(220), QStringLiteral("Unused"), 12);
        s.open();
        auto* list = s.find<QListWidget>("AtkLST");
        QCOMPARE(list->item(list->count() - 1)->text(), padded(QStringLiteral("Final_Blow")));
    }

    void eachOptionWritesItsByteAndReloadsAsItself_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("written");
        QTest::newRow("Nothing") << "NothingOPT" << 0;
        QTest::newRow("Aerial") << "AerialOPT" << 1;
        QTest::newRow("Physical") << "PhysicalOPT" << 2;
        QTest::newRow("Damage") << "DamageOPT" << 3;
        QTest::newRow("Drain") << "DrainOPT" << 8;
        QTest::newRow("Wind") << "WindOPT" << 15;
        QTest::newRow("Fire") << "FireOPT" << 32;
        QTest::newRow("Water") << "WaterOPT" << 64;
        QTest::newRow("Thunder") << "ThunderOPT" << 80;
        QTest::newRow("Earth") << "EarthOPT" << 128;
    }
    void eachOptionWritesItsByteAndReloadsAsItself() {
        QFETCH(QString, option);
        QFETCH(int, written);
        Session s;
        QByteArray expected = s.bytes();
        putByte(expected, record(120) + Type, static_cast<std::uint8_t>(written));
        s.open();
        s.clickRow("AtkLST", 120);
        s.click(qPrintable(option));
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        QVERIFY(s.checked(qPrintable(option)));
    }

    // The option, not the stored byte, is written back; every other byte, +6
    // included, stays as it was.
    void applyUnchangedWritesTheOptionsByte_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("written");
        QTest::newRow("50 is fire") << 50 << 32;
        QTest::newRow("23 is wind") << 23 << 15;
        QTest::newRow("4 is damage") << 4 << 3;
        QTest::newRow("200 is drain") << 200 << 8;
        QTest::newRow("255 is drain") << 255 << 8;
        for (const int kept : {0, 1, 2, 3, 15, 32, 64, 80, 128})
            QTest::addRow("%d stays", kept) << kept << kept;
    }
    void applyUnchangedWritesTheOptionsByte() {
        QFETCH(int, stored);
        QFETCH(int, written);
        Session s;
        s.fixture.setByte(record(0) + Type, static_cast<std::uint8_t>(stored));
        QByteArray expected = s.bytes();
        putByte(expected, record(0) + Type, static_cast<std::uint8_t>(written));
        s.open();
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void applyWritesExactlyTheEditedFields() {
        Session s;
        QByteArray expected = s.bytes();
        s.open();
        s.clickRow("AtkLST", 120);
        s.type("AttackNameTXT", QStringLiteral("Ice_Storm"));
        s.type("TargetTXT", QStringLiteral("999"));
        QCOMPARE(s.box("TargetTXT")->text(), QStringLiteral("255"));
        s.type("AttackPowerTXT", QStringLiteral("007"));
        s.type("Byte4TXT", QString());
        s.type("SoundEffectTXT", QStringLiteral("42"));
        s.clickRow("AtkElementLST", 2);
        s.clickRow("AtkElementLST", 6);
        s.click("WaterOPT");
        QSignalSpy barMoves(s.find<QProgressBar>("pbar"), &QProgressBar::valueChanged);
        s.apply();

        putBytes(expected, AttackNameTable.offset(120),
                 nameBytes(QByteArray::fromHex("A2B6B8FFACC7C2C5C0")));
        putByte(expected, record(120) + Status, 0x44);
        putByte(expected, record(120) + Power, 7);
        putByte(expected, record(120) + Effect, 0);
        putByte(expected, record(120) + Sound, 42);
        putByte(expected, record(120) + Targeting, 255);
        putByte(expected, record(120) + Type, 64);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);

        // the new name shows at once, on the same row, still in view
        auto* list = s.find<QListWidget>("AtkLST");
        QCOMPARE(list->item(120)->text(), padded(QStringLiteral("Ice_Storm")));
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(120)});
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(120))));
        QCOMPARE(s.box("AttackPowerTXT")->text(), QStringLiteral("7"));
        QCOMPARE(s.box("Byte4TXT")->text(), QStringLiteral("0"));
        QVERIFY(s.checked("WaterOPT"));
        QVERIFY(!s.find<QProgressBar>("pbar")->isVisible());
        for (const QList<QVariant>& move : barMoves)
            QCOMPARE(move.at(0).toInt(), 0);
    }

    void theLastAttackWritesOnlyItsOwnFields() {
        Session s;
        QByteArray expected = s.bytes();
        s.open();
        s.clickRow("AtkLST", 155);
        s.type("AttackNameTXT", QString());
        s.type("SoundEffectTXT", QStringLiteral("300"));
        s.click("NothingOPT");
        s.apply();
        putBytes(expected, ItemNameTable.offset(219), nameBytes({}));
        putByte(expected, record(155) + Sound, 255);
        putByte(expected, record(155) + Type, 0);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void numberBoxesTakeThreeDigits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("999") << "999"
                             << "255";
        QTest::newRow("four digits") << "1289"
                                     << "128";
        QTest::newRow("letters") << "1a2-"
                                 << "12";
        QTest::newRow("emptied") << ""
                                 << "0";
    }
    void numberBoxesTakeThreeDigits() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Session s;
        s.open();
        for (const char* name : {"TargetTXT", "AttackPowerTXT", "Byte4TXT", "SoundEffectTXT"}) {
            s.type(name, typed);
            QCOMPARE(s.box(name)->text(), shown);
        }
    }

    void anotherAttackDropsTheEdits() {
        Session s;
        const QByteArray before = s.bytes();
        s.open();
        s.type("AttackPowerTXT", QStringLiteral("1"));
        s.click("EarthOPT");
        s.clickRow("AtkLST", 120);
        s.clickRow("AtkLST", 0);
        QCOMPARE(s.box("AttackPowerTXT")->text(), QStringLiteral("40"));
        QVERIFY(s.checked("FireOPT"));
        s.cancel();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    void showsEveryControl() {
        Session s;
        Form7& form = s.open();
        grabIfAsked(form, QStringLiteral("attack_editor"));
        const char* names[] = {"AtkLST",        "AttackNameTXT",  "TargetTXT",  "AttackPowerTXT",
                               "Byte4TXT",      "SoundEffectTXT", "NothingOPT", "AerialOPT",
                               "PhysicalOPT",   "DamageOPT",      "DrainOPT",   "WindOPT",
                               "FireOPT",       "WaterOPT",       "ThunderOPT", "EarthOPT",
                               "AtkElementLST", "ApplyCMD",       "QuitCMD",    "InfoLBL"};
        for (const char* name : names) {
            auto* w = s.find<QWidget>(name);
            QVERIFY2(w && w->isVisible(), name);
        }
        QCOMPARE(s.find<QRadioButton>("AerialOPT")->text(),
                 QStringLiteral("Aerial Attack / Status Ailment"));
    }
};

QTEST_MAIN(TestAttackEditor)
#include "test_attack_editor.moc"
