#include "editor_driver.h"
#include "editors/frame/name_list_fill.h"
#include "editors/general/name_tables.h"
#include "editors/map/treasure_index_editor.h"
#include "editors/map/treasure_records.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using NameTables::ItemNameTable;

namespace {

class Session : public EditorDriver {
public:
    Session() {
        for (int code = 0; code < ItemNameTable.count; ++code)
            fixture.setText(ItemNameTable.offset(code), QStringLiteral("Item %1").arg(code),
                            ItemNameTable.length);
    }
    Form8& open() { return EditorDriver::open<Form8>(); }
    QComboBox* items() { return find<QComboBox>("ContentsCBO"); }
};

} // namespace

class TestTreasureIndexEditor : public QObject {
    Q_OBJECT
private slots:
    // Nothing is selected at the start, and Apply writes nothing until an index
    // and an item are.
    void opensWithNothingSelected() {
        Session s;
        const QByteArray before = s.bytes();
        Form8& form = s.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Treasure Index Editor - KALDRIS TEST ROM"));
        auto* indexes = s.find<QListWidget>("TreasureIndexLST");
        QCOMPARE(indexes->count(), 256);
        QCOMPARE(indexes->item(0x1F)->text(), QStringLiteral("[1F]"));
        QCOMPARE(selectedRow(*indexes), -1);
        QCOMPARE(s.items()->count(), 256);
        QCOMPARE(s.items()->currentIndex(), -1);
        QVERIFY(s.items()->isEnabled());
        QCOMPARE(s.items()->itemText(48), QStringLiteral("Item 48     "));
        QCOMPARE(s.items()->itemText(224), QStringLiteral("--DO NOT USE--"));
        QVERIFY(s.find<QLabel>("DUMMYLBL")->text().isEmpty());
        QVERIFY(!s.find<QLabel>("InfoLBL"));
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
        // an item without an index writes nothing either
        s.pickCombo("ContentsCBO", 5);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // Clicking an index shows its entry; Apply writes the item picked into that
    // entry and no other byte.
    void writesTheEntryOfTheClickedIndex_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("picked");
        QTest::newRow("[1F]") << 0x1F << 0x12 << 0x30;
        QTest::newRow("[0] to a code without a name") << 0 << 0xDF << 0xFF;
        QTest::newRow("[FF] to code 0") << 0xFF << 0xE0 << 0;
    }
    void writesTheEntryOfTheClickedIndex() {
        QFETCH(int, index);
        QFETCH(int, stored);
        QFETCH(int, picked);
        Session s;
        s.fixture.setByte(TreasureIndexTable::offset(index), static_cast<std::uint8_t>(stored));
        QByteArray expected = s.bytes();
        s.open();
        s.clickRow("TreasureIndexLST", index);
        QCOMPARE(s.items()->currentIndex(), stored);
        s.pickCombo("ContentsCBO", picked);
        s.apply();
        putByte(expected, TreasureIndexTable::offset(index), static_cast<std::uint8_t>(picked));
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // An item picked and not applied is dropped by the next index click.
    void anotherIndexDropsThePick() {
        Session s;
        s.fixture.setByte(TreasureIndexTable::offset(3), 7);
        const QByteArray before = s.bytes();
        s.open();
        s.clickRow("TreasureIndexLST", 3);
        s.pickCombo("ContentsCBO", 9);
        s.clickRow("TreasureIndexLST", 4);
        s.clickRow("TreasureIndexLST", 3);
        QCOMPARE(s.items()->currentIndex(), 7);
        s.cancel();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }
};

QTEST_MAIN(TestTreasureIndexEditor)
#include "test_treasure_index_editor.moc"
