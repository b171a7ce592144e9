#include "editor_driver.h"
#include "editors/frame/numeric_box.h"
#include "editors/general/equipment_editor.h"
#include "editors/general/equipment_records.h"
#include "widget_helpers.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <functional>

namespace {

constexpr int WeaponsTab = 0;
constexpr int ArmorTab = 1;
constexpr int ItemsTab = 2;

struct Weapon {
    QString name;
    std::array<std::uint8_t, 8> bytes;
};
struct Armor {
    QString name;
    std::array<std::uint8_t, 5> bytes;
};

void putWeapon(RomFixture& rom, int i, const Weapon& w) {
    rom.setText(WeaponRecord::name(i), w.name, 12);
    for (int b = 0; b < 8; ++b)
        rom.setByte(WeaponRecord::record(i) + b, w.bytes[b]);
}
void putArmor(RomFixture& rom, int i, const Armor& a) {
    rom.setText(ArmorRecord::name(i), a.name, 12);
    for (int b = 0; b < 5; ++b)
        rom.setByte(ArmorRecord::record(i) + b, a.bytes[b]);
}

const Weapon Dagger{QStringLiteral("Dagger"), {0x20, 0x04, 12, 1, 2, 3, 4, 5}};
const Weapon Halberd{QStringLiteral("Halberd"), {0x00, 0x00, 90, 0, 0, 7, 0, 200}};
const Armor Robe{QStringLiteral("Robe"), {0x0A, 0x81, 2, 6, 9}};
const Armor Shield{QStringLiteral("Shield"), {0x00, 0x00, 1, 30, 0}};

QString padded(const QString& name) {
    return name.leftJustified(12, QLatin1Char(' '));
}

class Session : public EditorDriver {
public:
    Session() {
        putWeapon(fixture, 0, Dagger);
        putWeapon(fixture, 3, Halberd);
        putArmor(fixture, 0, Robe);
        putArmor(fixture, 16, Shield);
    }
    Form5& open() { return EditorDriver::open<Form5>(); }
    NumericBox* box(const char* name) { return find<NumericBox>(name); }
    bool shows(const char* frame) { return find<QWidget>(frame)->isVisible(); }
};

} // namespace

class TestEquipmentEditor : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstWeaponAndArmor() {
        Session s;
        Form5& form = s.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Equipment Editor - KALDRIS TEST ROM"));
        auto* weapons = s.find<QListWidget>("WPLST");
        auto* armors = s.find<QListWidget>("ARLST");
        QCOMPARE(weapons->count(), 15);
        QCOMPARE(armors->count(), 17);
        QCOMPARE(weapons->currentRow(), 0);
        QCOMPARE(armors->currentRow(), 0);
        QVERIFY(weapons->hasFocus());
        QCOMPARE(weapons->item(0)->text(),
                 QStringLiteral("[0] ") + padded(QStringLiteral("Dagger")));
        QVERIFY(weapons->item(14)->text().startsWith(QStringLiteral("[E] ")));
        QCOMPARE(armors->item(16)->text(),
                 QStringLiteral("[10] ") + padded(QStringLiteral("Shield")));
        QVERIFY(s.shows("WPFRM"));
        QVERIFY(!s.shows("ARFRM"));

        QCOMPARE(s.find<QLineEdit>("WPNameTXT")->text(), padded(QStringLiteral("Dagger")));
        const char* weaponBoxes[] = {"WPATKTXT",      "WPUnkByte1TXT", "WPUnkByte2TXT",
                                     "WPUnkByte3TXT", "WPUnkByte4TXT", "WPUnkByte5TXT"};
        for (int k = 0; k < 6; ++k)
            QCOMPARE(s.box(weaponBoxes[k])->text(), QString::number(Dagger.bytes[2 + k]));
        QCOMPARE(s.find<QListWidget>("WPElementLST")->item(5)->checkState(), Qt::Checked);
        QCOMPARE(s.find<QListWidget>("WPAilmentLST")->item(2)->checkState(), Qt::Checked);

        // the armour frame was loaded while hidden
        QCOMPARE(s.find<QLineEdit>("ARNameTXT")->text(), padded(QStringLiteral("Robe")));
        QCOMPARE(s.box("AREqPositionTXT")->text(), QStringLiteral("2"));
        QCOMPARE(s.box("ARDEFTXT")->text(), QStringLiteral("6"));
        QCOMPARE(s.box("ARUnkByte1TXT")->text(), QStringLiteral("9"));
        auto* defense = s.find<QListWidget>("ARDefenseLST");
        QCOMPARE(defense->item(1)->checkState(), Qt::Checked);
        QCOMPARE(defense->item(3)->checkState(), Qt::Checked);
        QCOMPARE(defense->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(s.find<QListWidget>("ARAilmentLST")->item(7)->checkState(), Qt::Checked);

        QCOMPARE(s.find<QLabel>("InfoLBL")->text(),
                 QStringLiteral("Save the Unknown Byte at your own risk.  It is undocumented!"));
        QVERIFY(!s.find<QProgressBar>("pbar")->isVisible());
    }

    void tabsShowTheirFrame_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("weapons");
        QTest::addColumn<bool>("armors");
        QTest::newRow("Weapons") << WeaponsTab << true << false;
        QTest::newRow("Armor") << ArmorTab << false << true;
        QTest::newRow("Items") << ItemsTab << false << false;
    }
    void tabsShowTheirFrame() {
        QFETCH(int, tab);
        QFETCH(bool, weapons);
        QFETCH(bool, armors);
        Session s;
        Form5& form = s.open();
        const QSize size = form.size();
        // by way of another frame
        s.clickTab("ItemsTAB", tab != WeaponsTab ? WeaponsTab : ArmorTab);
        s.clickTab("ItemsTAB", tab);
        QCOMPARE(s.shows("WPFRM"), weapons);
        QCOMPARE(s.shows("ARFRM"), armors);
        QCOMPARE(form.size(), size);
    }

    void applyWritesTheWeaponsFields() {
        Session s;
        QByteArray expected = s.bytes();
        s.open();
        s.clickRow("WPLST", 3);
        s.type("WPNameTXT", QStringLiteral("Pike"));
        s.type("WPATKTXT", QStringLiteral("123456789012"));
        QCOMPARE(s.box("WPATKTXT")->text(), QStringLiteral("255"));
        s.type("WPUnkByte1TXT", QStringLiteral("007"));
        QCOMPARE(s.box("WPUnkByte1TXT")->text(), QStringLiteral("007"));
        s.type("WPUnkByte5TXT", QString());
        s.clickRow("WPElementLST", 6);
        s.clickRow("WPAilmentLST", 0);
        s.apply();

        putBytes(expected, WeaponRecord::name(3), QByteArray::fromHex("A9BCBEB80303030303030303"));
        putBytes(expected, WeaponRecord::record(3), QByteArray::fromHex("4001FF0700070000"));
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        // the list keeps the old name until the editor opens again
        QCOMPARE(s.find<QListWidget>("WPLST")->item(3)->text(),
                 QStringLiteral("[3] ") + padded(QStringLiteral("Halberd")));
        QCOMPARE(s.find<QLineEdit>("WPNameTXT")->text(), QStringLiteral("Pike"));
    }

    void applyWritesTheArmorsFields() {
        Session s;
        QByteArray expected = s.bytes();
        s.open();
        s.clickTab("ItemsTAB", ArmorTab);
        s.clickRow("ARLST", 16);
        s.type("ARNameTXT", QString());
        s.type("ARDEFTXT", QStringLiteral("256"));
        s.type("AREqPositionTXT", QStringLiteral("4"));
        s.type("ARUnkByte1TXT", QStringLiteral("0012"));
        s.clickRow("ARDefenseLST", 7);
        s.clickRow("ARAilmentLST", 1);
        s.apply();

        putBytes(expected, ArmorRecord::name(16), QByteArray(12, '\x03'));
        putBytes(expected, ArmorRecord::record(16), QByteArray::fromHex("800204FF0C"));
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // One bit ticked alone stores its own value and nothing of the others.
    void aFlagAloneWritesItsBit_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("rowText");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<int>("written");
        QTest::newRow("weapon element Nothing") << WeaponsTab << "WPElementLST" << 3 << "Nothing"
                                                << qint64(WeaponRecord::record(3)) << 0x08;
        QTest::newRow("weapon status Dead") << WeaponsTab << "WPAilmentLST" << 7 << "Dead"
                                            << qint64(WeaponRecord::record(3) + 1) << 0x80;
        QTest::newRow("armour defence Drain Attack")
            << ArmorTab << "ARDefenseLST" << 3 << "Drain Attack" << qint64(ArmorRecord::record(16))
            << 0x08;
        QTest::newRow("armour resistance Dead") << ArmorTab << "ARAilmentLST" << 7 << "Dead"
                                                << qint64(ArmorRecord::record(16) + 1) << 0x80;
    }
    void aFlagAloneWritesItsBit() {
        QFETCH(int, tab);
        QFETCH(QString, list);
        QFETCH(int, row);
        QFETCH(QString, rowText);
        QFETCH(qint64, offset);
        QFETCH(int, written);
        Session s;
        QByteArray expected = s.bytes();
        putByte(expected, offset, static_cast<std::uint8_t>(written));
        s.open();
        s.clickTab("ItemsTAB", tab);
        s.clickRow(tab == WeaponsTab ? "WPLST" : "ARLST", tab == WeaponsTab ? 3 : 16);
        QCOMPARE(s.find<QListWidget>(qPrintable(list))->item(row)->text(), rowText);
        s.clickRow(qPrintable(list), row);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // Only the frame that shows is saved; the hidden one keeps its edits unsaved.
    void applySavesOnlyTheShownFrame_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("armorWritten");
        QTest::newRow("Armor") << ArmorTab << true;
        QTest::newRow("Items") << ItemsTab << false;
    }
    void applySavesOnlyTheShownFrame() {
        QFETCH(int, tab);
        QFETCH(bool, armorWritten);
        Session s;
        s.fixture.setByte(ArmorRecord::record(0) + ArmorRecord::DefensePower, 0);
        QByteArray expected = s.bytes();
        if (armorWritten)
            putByte(expected, ArmorRecord::record(0) + ArmorRecord::DefensePower, 99);
        s.open();
        s.clickRow("WPLST", 3);
        s.type("WPNameTXT", QStringLiteral("Pike"));
        s.type("WPATKTXT", QStringLiteral("1"));
        s.clickTab("ItemsTAB", ArmorTab);
        s.type("ARDEFTXT", QStringLiteral("99"));
        s.clickTab("ItemsTAB", tab);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        QCOMPARE(s.box("WPATKTXT")->text(), QStringLiteral("1"));
    }

    void boxesTakeTwelveCharacters() {
        Session s;
        s.open();
        s.type("WPNameTXT", QStringLiteral("ABCDEFGHIJKLM"));
        QCOMPARE(s.find<QLineEdit>("WPNameTXT")->text(), QStringLiteral("ABCDEFGHIJKL"));
        s.type("WPUnkByte2TXT", QStringLiteral("0000000000042"), false);
        QCOMPARE(s.box("WPUnkByte2TXT")->text(), QStringLiteral("000000000004"));
    }

    void anotherWeaponDropsTheEdits() {
        Session s;
        const QByteArray before = s.bytes();
        s.open();
        s.type("WPATKTXT", QStringLiteral("77"));
        s.clickRow("WPElementLST", 0);
        s.clickRow("WPLST", 3);
        s.clickRow("WPLST", 0);
        QCOMPARE(s.box("WPATKTXT")->text(), QStringLiteral("12"));
        QCOMPARE(s.find<QListWidget>("WPElementLST")->item(0)->checkState(), Qt::Unchecked);
        s.cancel();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // The hidden button's menu offers two items that do nothing.
    void elementButtonShowsItsMenu() {
        Session s;
        const QByteArray before = s.bytes();
        Form5& form = s.open();
        auto* button = s.find<QWidget>("ElementCMD");
        QVERIFY(!form.rect().intersects(button->geometry()));
        s.click("ElementCMD");
        auto* menu = s.find<QMenu>("mnuElement");
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(menu->title(), QStringLiteral("Element"));
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->objectName(), QStringLiteral("mnuSilence"));
        QCOMPARE(items[0]->text(), QStringLiteral("1 = Silence"));
        QCOMPARE(items[1]->objectName(), QStringLiteral("mnuBlind"));
        QCOMPARE(items[1]->text(), QStringLiteral("2 = Blind"));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(items[0]).center());
        QVERIFY(!menu->isVisible());
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    void showsEveryControl() {
        Session s;
        Form5& form = s.open();
        auto* tabs = s.find<QTabBar>("ItemsTAB");
        QCOMPARE(tabs->count(), 3);
        const char* captions[] = {"Weapons", "Armor", "Items"};
        for (int t = 0; t < 3; ++t)
            QCOMPARE(tabs->tabText(t), QString::fromLatin1(captions[t]));
        const char* const pictures[] = {"equipment_weapons", "equipment_armor", "equipment_items"};
        const QList<QList<const char*>> shown = {
            {"WPLST", "WPNameTXT", "WPATKTXT", "WPUnkByte1TXT", "WPUnkByte2TXT", "WPUnkByte3TXT",
             "WPUnkByte4TXT", "WPUnkByte5TXT", "WPAilmentLST", "WPElementLST"},
            {"ARLST", "ARNameTXT", "ARDEFTXT", "AREqPositionTXT", "ARUnkByte1TXT", "ARDefenseLST",
             "ARAilmentLST"},
            {}};
        for (int t = 0; t < 3; ++t) {
            s.clickTab("ItemsTAB", t);
            grabIfAsked(form, QString::fromLatin1(pictures[t]));
            for (const char* name :
                 shown[t] + QList<const char*>{"ApplyCMD", "QuitCMD", "InfoLBL"}) {
                auto* w = s.find<QWidget>(name);
                QVERIFY2(w && w->isVisible(), name);
            }
        }
    }
};

QTEST_MAIN(TestEquipmentEditor)
#include "test_equipment_editor.moc"
