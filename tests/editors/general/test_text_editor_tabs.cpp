#include "editors/general/text_editor_tabs.h"

#include <QTest>

using namespace TextEditorTabs;

class TestTextEditorTabs : public QObject {
    Q_OBJECT
private slots:
    // A tab key selects its own tab and option; anything else, even a key that
    // differs only in case or by a blank, selects nothing.
    void keyPicksItsTab_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("tab"); // -1: none
        QTest::addColumn<int>("option");
        QTest::newRow("char") << "char" << 0 << 4;
        QTest::newRow("monster") << "monster" << 1 << 5;
        QTest::newRow("monatk") << "monatk" << 2 << 6;
        QTest::newRow("item") << "item" << 3 << 1;
        QTest::newRow("area") << "area" << 4 << 2;
        QTest::newRow("title") << "title" << 5 << 3;
        QTest::newRow("upper case") << "Char" << -1 << 0;
        QTest::newRow("trailing blank") << "area " << -1 << 0;
        QTest::newRow("caption") << "Title Screen" << -1 << 0;
        QTest::newRow("empty") << "" << -1 << 0;
    }
    void keyPicksItsTab() {
        QFETCH(QString, key);
        QFETCH(int, tab);
        QFETCH(int, option);
        const std::optional<int> found = tabOfKey(key);
        QCOMPARE(found.value_or(-1), tab);
        if (found)
            QCOMPARE(Tabs[*found].option, option);
    }

    // Each name tab lists every entry of its field, and the six tabs own the six options.
    void nameTabsCoverTheirTables_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("lastByte");
        QTest::addColumn<int>("rows");
        QTest::newRow("characters") << 0 << 0x652B0 << 0x65537 << 9;
        QTest::newRow("monsters") << 1 << 0x64DA0 << 0x652AF << 81;
        QTest::newRow("attacks") << 2 << 0x64620 << 0x64D9F << 160;
        QTest::newRow("items") << 3 << 0x64320 << 0x6461F << 64;
        QTest::newRow("areas") << 4 << 0x640D0 << 0x6431F << 37;
    }
    void nameTabsCoverTheirTables() {
        QFETCH(int, tab);
        QFETCH(int, first);
        QFETCH(int, lastByte);
        QFETCH(int, rows);
        const NameTable& field = NameTabs[tab].field;
        QCOMPARE(field.count, rows);
        QCOMPARE(field.offset(0), first);
        QCOMPARE(field.end() - 1, lastByte);
    }
};

QTEST_GUILESS_MAIN(TestTextEditorTabs)
#include "test_text_editor_tabs.moc"
