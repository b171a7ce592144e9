#include "editor_driver.h"
#include "editors/frame/form_rows.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/general/name_tables.h"
#include "editors/map/treasure_editor.h"
#include "editors/map/treasure_offset_table.h"
#include "editors/map/treasure_records.h"
#include "widget_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using NameTables::ItemNameTable;
namespace TC = TreasureContents;
namespace TG = TreasureGlobalData;

namespace {

struct Chest {
    std::uint8_t index, x, y, unused, elevation, kind;
};

// A synthetic ROM whose global bytes are in range, so an Apply with nothing
// changed rewrites them as they are.
class Session : public EditorDriver {
public:
    Session() {
        fixture.setByte(TG::ConsumableWeapons, 20);
        fixture.setByte(TG::ConsumableItems, 12);
        fixture.setByte(TG::SuperChestQuantity, 4);
        fixture.setByte(TG::SuperChestRangeStart, 0x10);
        fixture.setByte(TG::SuperChestRangeEnd, 0x1F);
        fixture.setByte(TG::CutOff, 0x2A);
        for (int code = 0; code < ItemNameTable.count; ++code)
            fixture.setText(ItemNameTable.offset(code), QStringLiteral("Item %1").arg(code),
                            ItemNameTable.length);
    }
    void putChest(int row, const Chest& c) {
        const std::int64_t o = TreasureOffsets::offset(row);
        const std::uint8_t bytes[] = {c.index, c.x, c.y, c.unused, c.elevation, c.kind};
        for (int k = 0; k < TC::Size; ++k)
            fixture.setByte(o + k, bytes[k]);
    }
    Form9& open() { return EditorDriver::open<Form9>(); }
    NumericBox* box(const char* name) { return find<NumericBox>(name); }
    QComboBox* combo(const char* name) { return find<QComboBox>(name); }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    void selectChest(int row) { clickRow("TreasureLST", row); }
};

QString itemName(int code) {
    return QStringLiteral("Item %1").arg(code).leftJustified(12, QLatin1Char(' '));
}

std::int64_t chestAt(int row) {
    return TreasureOffsets::offset(row);
}

} // namespace

class TestTreasureEditor : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstChest() {
        Session s;
        s.putChest(0, {0x33, 17, 40, 0x99, 3, 0x26});
        s.fixture.setByte(TreasureIndexTable::offset(0), 7);
        Form9& form = s.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Treasure Editor - KALDRIS TEST ROM"));
        auto* chests = s.find<QListWidget>("TreasureLST");
        QCOMPARE(chests->count(), 243);
        QCOMPARE(selectedRow(*chests), 0);
        QVERIFY(chests->hasFocus());
        QCOMPARE(chests->item(242)->text(), QStringLiteral("Doom Castle (7F): Chest  (E)"));
        QCOMPARE(s.find<QLineEdit>("OffsetTXT")->text(), QStringLiteral("3B2CA"));
        QVERIFY(s.find<QLineEdit>("OffsetTXT")->isReadOnly());
        QCOMPARE(s.combo("ContentsCBO")->count(), 256);
        QCOMPARE(s.combo("ContentsCBO")->currentIndex(), 0x33);
        QCOMPARE(s.box("XTXT")->text(), QStringLiteral("17"));
        QCOMPARE(s.box("YTXT")->text(), QStringLiteral("40"));
        QCOMPARE(s.box("ElevationTXT")->text(), QStringLiteral("3"));
        QVERIFY(s.find<QRadioButton>("TBoxOPT")->isChecked());
        for (const char* name : {"ContentsCBO", "XTXT", "YTXT", "ElevationTXT", "TChestOPT",
                                 "TBoxOPT", "OffsetTXT", "CopyToClipboardCMD"})
            QVERIFY2(s.find<QWidget>(name)->isEnabled(), name);

        auto* indexes = s.find<QListWidget>("TreasureIndexLST");
        QCOMPARE(indexes->count(), 256);
        QCOMPARE(selectedRow(*indexes), 0);
        QCOMPARE(indexes->item(10)->text(), QStringLiteral("[A]"));
        QCOMPARE(indexes->item(255)->text(), QStringLiteral("[FF]"));
        auto* items = s.combo("TreasureIndexCBO");
        QCOMPARE(items->count(), 256);
        QVERIFY(items->isEnabled());
        QCOMPARE(items->currentIndex(), 7);
        QCOMPARE(items->itemText(223), itemName(223));
        QCOMPARE(items->itemText(224), QStringLiteral("--DO NOT USE--"));

        QCOMPARE(s.label("InfoLBL"), QStringLiteral("You'll need to refresh the Contents listbox "
                                                    "to reflect any changes to the indexes."));
        // The box after "Coordinates -  X / Y:" is Y; X follows the "/".
        QCOMPARE(captionOf(*s.box("YTXT"))->text(), QStringLiteral("Coordinates -  X / Y:"));
        QCOMPARE(captionOf(*s.box("XTXT"))->text(), QStringLiteral("/"));
        QVERIFY(s.box("YTXT")->x() < s.box("XTXT")->x());
    }

    // Nothing changed: Apply writes the same values back, byte 3 untouched.
    void applyUnchangedLeavesTheFile() {
        Session s;
        s.putChest(7, {0x40, 1, 2, 3, 4, 0x24});
        const QByteArray before = s.bytes();
        s.open();
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
        s.selectChest(7);
        s.clickRow("TreasureIndexLST", 0x40);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // The wheel turned while the pointer crosses a combo on its way (the index list
    // beside it scrolls by the wheel) changes no row that Apply would write.
    void wheelPassesOverAnUnusedCombo_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("notches");
        QTest::newRow("index entry, down") << "TreasureIndexCBO" << -2;
        QTest::newRow("index entry, up") << "TreasureIndexCBO" << 1;
        QTest::newRow("contents, down") << "ContentsCBO" << -1;
    }
    void wheelPassesOverAnUnusedCombo() {
        QFETCH(QString, combo);
        QFETCH(int, notches);
        Session s;
        s.putChest(7, {0x40, 1, 2, 3, 4, 0x24});
        const QByteArray before = s.bytes();
        s.open();
        s.selectChest(7);
        s.clickRow("TreasureIndexLST", 0x40);
        s.wheel(qPrintable(combo), notches);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // A kind of a record shown before never lingers on the next one.
    void kindFollowsTheRecord_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("chest");
        QTest::addColumn<bool>("box");
        QTest::newRow("box") << 0x26 << false << true;
        QTest::newRow("chest") << 0x24 << true << false;
        QTest::newRow("neither") << 0x00 << false << false;
        QTest::newRow("0x25 neither") << 0x25 << false << false;
    }
    void kindFollowsTheRecord() {
        QFETCH(int, kind);
        QFETCH(bool, chest);
        QFETCH(bool, box);
        Session s;
        s.putChest(1, {0, 0, 0, 0, 0, 0x26});
        s.putChest(2, {0, 0, 0, 0, 0, 0x24});
        s.putChest(3, {5, 6, 7, 8, 9, static_cast<std::uint8_t>(kind)});
        const QByteArray before = s.bytes();
        s.open();
        s.selectChest(1);
        s.selectChest(2);
        s.selectChest(3);
        QCOMPARE(s.find<QRadioButton>("TChestOPT")->isChecked(), chest);
        QCOMPARE(s.find<QRadioButton>("TBoxOPT")->isChecked(), box);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // What a person types and picks lands in its byte of the chosen chest, and
    // nowhere else; byte 3 is never written.
    void applyWritesTheChest_data() {
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("elevation");
        QTest::addColumn<QString>("option");
        QTest::newRow("plain") << "12"
                               << "34"
                               << "5"
                               << "TChestOPT";
        QTest::newRow("over the cap") << "999"
                                      << "256"
                                      << "300"
                                      << "TBoxOPT";
        QTest::newRow("emptied and leading zeros") << ""
                                                   << "007"
                                                   << "0"
                                                   << "TChestOPT";
    }
    void applyWritesTheChest() {
        QFETCH(QString, y);
        QFETCH(QString, x);
        QFETCH(QString, elevation);
        QFETCH(QString, option);
        const int row = 32;
        Session s;
        s.putChest(row, {0x10, 1, 2, 0x5A, 4, 0x00});
        QByteArray expected = s.bytes();
        s.open();
        s.selectChest(row);
        s.pickCombo("ContentsCBO", 0xC8);
        s.type("YTXT", y);
        s.type("XTXT", x);
        s.type("ElevationTXT", elevation);
        s.click(qPrintable(option));
        s.apply();
        const auto byteOf = [](const QString& typed) {
            return static_cast<std::uint8_t>(std::min(typed.toInt(), 255));
        };
        const std::int64_t o = chestAt(row);
        putByte(expected, o + TC::Index, 0xC8);
        putByte(expected, o + TC::X, byteOf(x));
        putByte(expected, o + TC::Y, byteOf(y));
        putByte(expected, o + TC::Elevation, byteOf(elevation));
        putByte(expected, o + TC::Kind, option == QLatin1String("TBoxOPT") ? 0x26 : 0x24);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // Apply runs the leaving rule of the box still being typed into.
    void xOverTheCapIsWrittenAs255() {
        Session s;
        QByteArray expected = s.bytes();
        s.open();
        s.type("XTXT", QStringLiteral("256"), false);
        QCOMPARE(s.box("XTXT")->text(), QStringLiteral("256"));
        s.apply();
        QCOMPARE(s.box("XTXT")->text(), QStringLiteral("255"));
        putByte(expected, chestAt(0) + TC::X, 0xFF);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // The key filter caps the text the box holds before the key lands; in a
    // full box the key then has no room.
    void earlyCapInTheKeyFilter_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("X: a fourth digit is lost") << "XTXT"
                                                   << "2561"
                                                   << "255";
        QTest::newRow("Y: a refused key caps too") << "YTXT"
                                                   << "256a"
                                                   << "255";
        QTest::newRow("elevation") << "ElevationTXT"
                                   << "9990"
                                   << "255";
        QTest::newRow("empty box takes the digit") << "XTXT"
                                                   << "7"
                                                   << "7";
        QTest::newRow("no cap up to 255") << "YTXT"
                                          << "2551"
                                          << "255";
        QTest::newRow("three digits stand") << "ElevationTXT"
                                            << "300"
                                            << "300";
    }
    void earlyCapInTheKeyFilter() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Session s;
        s.open();
        s.type(qPrintable(box), typed, false);
        QCOMPARE(s.box(qPrintable(box))->text(), shown);
    }

    // Pasted text that is no number becomes 0 on leaving, as an empty box does.
    void pastedTextIsCorrectedOnLeaving() {
        Session s;
        QByteArray expected = s.bytes();
        s.open();
        QApplication::clipboard()->setText(QStringLiteral("1x"));
        auto* x = s.box("XTXT");
        QTest::mouseClick(x, Qt::LeftButton);
        x->selectAll();
        x->paste();
        QCOMPARE(x->text(), QStringLiteral("1x"));
        s.apply();
        QCOMPARE(x->text(), QStringLiteral("0"));
        putByte(expected, chestAt(0) + TC::X, 0);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // Text dragged in from elsewhere would pass the key filter, the typing limit
    // and the correction on leaving: a number box refuses it.
    void droppedTextNeverLands_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("shown");
        QTest::newRow("super chest above its cap") << "SuperChestTXT"
                                                   << "5000"
                                                   << "4";
        QTest::newRow("X not a number") << "XTXT"
                                        << "1x"
                                        << "17";
    }
    void droppedTextNeverLands() {
        QFETCH(QString, box);
        QFETCH(QString, dropped);
        QFETCH(QString, shown);
        Session s;
        s.putChest(0, {0x33, 17, 40, 3, 4, 0x24});
        const QByteArray before = s.bytes();
        s.open();
        s.dropText(qPrintable(box), dropped);
        QCOMPARE(s.box(qPrintable(box))->text(), shown);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // After a refresh no contents row is selected, and Apply keeps byte 0.
    void refreshThenApplyKeepsByteZero() {
        Session s;
        s.putChest(0, {0x33, 1, 2, 3, 4, 0x24});
        QByteArray expected = s.bytes();
        s.open();
        s.type("XTXT", QStringLiteral("99"));
        s.click("RefreshContentsCMD");
        QCOMPARE(s.combo("ContentsCBO")->count(), 256);
        QCOMPARE(s.combo("ContentsCBO")->currentIndex(), -1);
        s.apply();
        putByte(expected, chestAt(0) + TC::X, 99);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        // choosing a chest selects its row again
        s.selectChest(1);
        s.selectChest(0);
        QCOMPARE(s.combo("ContentsCBO")->currentIndex(), 0x33);
    }

    void copiesTheOffset() {
        Session s;
        s.open();
        s.selectChest(32);
        s.click("CopyToClipboardCMD");
        auto* menu = s.find<QMenu>("mnuCopy");
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(menu->title(), QStringLiteral("Copy"));
        s.pickMenuItem(QStringLiteral("Copy Offset to Clipboard"));
        QCOMPARE(s.platform.clipboard, QStringLiteral("3B7C4"));
        QVERIFY(!menu->isVisible());
    }

    // F3 copies while the window is active, the menu open or not.
    void f3CopiesTheOffset_data() {
        QTest::addColumn<bool>("menuOpen");
        QTest::newRow("menu closed") << false;
        QTest::newRow("menu open") << true;
    }
    void f3CopiesTheOffset() {
        QFETCH(bool, menuOpen);
        Session s;
        s.open();
        s.selectChest(242);
        QWidget* target = s.find<QWidget>("TreasureLST");
        if (menuOpen) {
            s.click("CopyToClipboardCMD");
            target = s.find<QMenu>("mnuCopy");
            QVERIFY(QTest::qWaitForWindowExposed(target));
        }
        QTest::keyClick(target, Qt::Key_F3);
        QCOMPARE(s.platform.clipboard, QStringLiteral("3D990"));
        QVERIFY(!s.find<QMenu>("mnuCopy")->isVisible());
    }

    // The index pane writes its one entry; the contents list shows the new name
    // only after Refresh.
    void indexEntryAndRefresh() {
        Session s;
        s.fixture.setByte(TreasureIndexTable::offset(5), 3);
        QByteArray expected = s.bytes();
        s.open();
        auto* contents = s.combo("ContentsCBO");
        QCOMPARE(contents->itemText(5), QStringLiteral("[5] ") + itemName(3));
        s.clickRow("TreasureIndexLST", 5);
        QCOMPARE(s.combo("TreasureIndexCBO")->currentIndex(), 3);
        s.pickCombo("TreasureIndexCBO", 48);
        s.apply();
        putByte(expected, TreasureIndexTable::offset(5), 0x30);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        QCOMPARE(contents->itemText(5), QStringLiteral("[5] ") + itemName(3));
        s.click("RefreshContentsCMD");
        QCOMPARE(contents->itemText(5), QStringLiteral("[5] ") + itemName(48));
    }

    void contentsRowsFollowTheTable_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("row26");
        QTest::newRow("64 is named") << 64 << QStringLiteral("[1A] ") + itemName(64);
        QTest::newRow("65 is not") << 65 << QStringLiteral("[DO NOT USE]");
        QTest::newRow("221 is named") << 221 << QStringLiteral("[1A] ") + itemName(221);
        QTest::newRow("224 is not") << 224 << QStringLiteral("[DO NOT USE]");
    }
    void contentsRowsFollowTheTable() {
        QFETCH(int, code);
        QFETCH(QString, row26);
        Session s;
        s.fixture.setByte(TreasureIndexTable::offset(0x1A), static_cast<std::uint8_t>(code));
        s.open();
        QCOMPARE(s.combo("ContentsCBO")->itemText(26), row26);
        s.clickRow("TreasureIndexLST", 0x1A);
        QCOMPARE(s.combo("TreasureIndexCBO")->currentText(),
                 code < 224 ? itemName(code) : QStringLiteral("--DO NOT USE--"));
    }

    void globalBytesShown_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("written");
        QTest::newRow("consumable weapons over 99")
            << TG::ConsumableWeapons << 200 << "ConsumableWeaponsTXT"
            << "99" << 99;
        QTest::newRow("consumable items over 99")
            << TG::ConsumableItems << 255 << "ConsumableItemsTXT"
            << "99" << 99;
        QTest::newRow("consumable weapons 99")
            << TG::ConsumableWeapons << 99 << "ConsumableWeaponsTXT"
            << "99" << 99;
        QTest::newRow("super chest 150 shown whole")
            << TG::SuperChestQuantity << 150 << "SuperChestTXT"
            << "150" << 150;
        QTest::newRow("range start") << TG::SuperChestRangeStart << 200 << "SuperChestRangeATXT"
                                     << "200" << 200;
        QTest::newRow("range end 255") << TG::SuperChestRangeEnd << 255 << "SuperChestRangeBTXT"
                                       << "255" << 255;
        QTest::newRow("cut-off") << TG::CutOff << 0x2A << "CutOffTXT"
                                 << "42" << 0x2A;
    }
    void globalBytesShown() {
        QFETCH(int, offset);
        QFETCH(int, stored);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        QFETCH(int, written);
        Session s;
        s.fixture.setByte(offset, static_cast<std::uint8_t>(stored));
        QByteArray expected = s.bytes();
        s.open();
        QCOMPARE(s.box(qPrintable(box))->text(), shown);
        s.apply();
        putByte(expected, offset, static_cast<std::uint8_t>(written));
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void hexLabelsAtLoad() {
        Session s;
        s.fixture.setByte(TG::SuperChestRangeStart, 200);
        s.fixture.setByte(TG::SuperChestRangeEnd, 10);
        s.open();
        QCOMPARE(s.label("SplitBitHexLBL"), QStringLiteral("[2A]"));
        QCOMPARE(s.label("SuperChestRangeHexLBL"), QStringLiteral("[C8] to [A]"));
    }

    // When each box caps, and the labels that follow the text as typed.
    void globalBoxesCap_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("leave");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("cutOffLabel");
        QTest::addColumn<QString>("rangeLabel");
        QTest::newRow("cut-off as typed") << "CutOffTXT"
                                          << "300" << false << "300"
                                          << "[12C]"
                                          << "[10] to [1F]";
        QTest::newRow("cut-off left") << "CutOffTXT"
                                      << "300" << true << "255"
                                      << "[FF]"
                                      << "[10] to [1F]";
        QTest::newRow("cut-off emptied") << "CutOffTXT"
                                         << "" << false << ""
                                         << "[0]"
                                         << "[10] to [1F]";
        QTest::newRow("range start at the third digit") << "SuperChestRangeATXT"
                                                        << "256" << false << "255"
                                                        << "[2A]"
                                                        << "[FF] to [1F]";
        QTest::newRow("range end emptied") << "SuperChestRangeBTXT"
                                           << "" << false << ""
                                           << "[2A]"
                                           << "[10] to [0]";
        QTest::newRow("range end emptied and left") << "SuperChestRangeBTXT"
                                                    << "" << true << "0"
                                                    << "[2A]"
                                                    << "[10] to [0]";
        QTest::newRow("range end 255 stays") << "SuperChestRangeBTXT"
                                             << "255" << true << "255"
                                             << "[2A]"
                                             << "[10] to [FF]";
        QTest::newRow("super chest two digits") << "SuperChestTXT"
                                                << "123" << true << "12"
                                                << "[2A]"
                                                << "[10] to [1F]";
        QTest::newRow("consumable emptied and left") << "ConsumableItemsTXT"
                                                     << "" << true << "0"
                                                     << "[2A]"
                                                     << "[10] to [1F]";
    }
    void globalBoxesCap() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, leave);
        QFETCH(QString, shown);
        QFETCH(QString, cutOffLabel);
        QFETCH(QString, rangeLabel);
        Session s;
        s.open();
        s.type(qPrintable(box), typed, leave);
        QCOMPARE(s.box(qPrintable(box))->text(), shown);
        QCOMPARE(s.label("SplitBitHexLBL"), cutOffLabel);
        QCOMPARE(s.label("SuperChestRangeHexLBL"), rangeLabel);
    }

    // A stored super chest quantity above 99 goes back as stored unless the
    // user leaves its box, which caps it.
    void superChestCapsOnlyOnLeaving() {
        Session s;
        s.fixture.setByte(TG::SuperChestQuantity, 150);
        QByteArray expected = s.bytes();
        s.open();
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        s.pressKey("SuperChestTXT", Qt::Key_End);
        s.pressKey("SuperChestTXT", Qt::Key_Tab);
        QCOMPARE(s.box("SuperChestTXT")->text(), QStringLiteral("99"));
        s.apply();
        putByte(expected, TG::SuperChestQuantity, 99);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // A consumable box caps text that came in another way at the next key.
    void consumableCapsAtTheNextKey() {
        Session s;
        s.open();
        QApplication::clipboard()->setText(QStringLiteral("150"));
        auto* box = s.box("ConsumableWeaponsTXT");
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        box->paste();
        QCOMPARE(box->text(), QStringLiteral("150"));
        QTest::keyClick(box, Qt::Key_7);
        QCOMPARE(box->text(), QStringLiteral("99"));
    }

    // A click, Refresh, Apply or Cancel that arrives while the contents list is
    // refilled waits until the fill ends: the list keeps its 256 rows in order,
    // and nothing is written from a half-filled list.
    void inputDuringTheFillWaits_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("chest click") << "chest";
        QTest::newRow("refresh") << "RefreshContentsCMD";
        QTest::newRow("apply") << "ApplyCMD";
        QTest::newRow("cancel") << "QuitCMD";
    }
    void inputDuringTheFillWaits() {
        QFETCH(QString, action);
        Session s;
        s.putChest(0, {0xF0, 1, 2, 3, 4, 0x24});
        s.putChest(5, {0xE0, 1, 2, 3, 4, 0x24});
        s.fixture.setByte(TreasureIndexTable::offset(0xFF), 9);
        const QByteArray before = s.bytes();
        Form9& form = s.open();
        bool arrivedDuringFill = false;
        QTimer::singleShot(0, &form, [&] {
            arrivedDuringFill = s.combo("ContentsCBO")->count() < 256;
            if (action == QLatin1String("chest"))
                s.selectChest(5);
            else
                s.click(qPrintable(action));
        });
        s.click("RefreshContentsCMD");
        QVERIFY(arrivedDuringFill);
        QTest::qWait(50);
        if (action == QLatin1String("QuitCMD")) {
            QVERIFY(!form.isVisible());
        } else {
            auto* contents = s.combo("ContentsCBO");
            QCOMPARE(contents->count(), 256);
            QCOMPARE(contents->itemText(255), QStringLiteral("[FF] ") + itemName(9));
            QCOMPARE(contents->currentIndex(), action == QLatin1String("chest") ? 0xE0 : -1);
        }
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    void cancelWritesNothing() {
        Session s;
        const QByteArray before = s.bytes();
        Form9& form = s.open();
        s.type("XTXT", QStringLiteral("1"));
        s.type("CutOffTXT", QStringLiteral("1"));
        s.pickCombo("TreasureIndexCBO", 9);
        s.cancel();
        QVERIFY(!form.isVisible());
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // Y comes before X in the tab order as on screen.
    void tabOrderOfTheChestPane() {
        Session s;
        s.open();
        s.pressKey("YTXT", Qt::Key_Tab);
        QVERIFY(s.box("XTXT")->hasFocus());
        s.pressKey("XTXT", Qt::Key_Tab);
        QVERIFY(s.box("ElevationTXT")->hasFocus());
        s.pressKey("ElevationTXT", Qt::Key_Tab);
        QVERIFY(s.find<QWidget>("OffsetTXT")->hasFocus());
    }

    // The "<" button is never seen; its click only swaps its caption.
    void hiddenButtonSwapsItsCaption() {
        Session s;
        Form9& form = s.open();
        auto* hidden = s.find<QPushButton>("ShowHiddenListBoxCMD");
        QVERIFY(!form.rect().intersects(hidden->geometry()));
        const QByteArray before = s.bytes();
        s.click("ShowHiddenListBoxCMD");
        QCOMPARE(hidden->text(), QStringLiteral(">"));
        s.click("ShowHiddenListBoxCMD");
        QCOMPARE(hidden->text(), QStringLiteral("<"));
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }
};

QTEST_MAIN(TestTreasureEditor)
#include "test_treasure_editor.moc"
