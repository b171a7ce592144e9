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
};

QTEST_GUILESS_MAIN(TestTextEditorTabs)
#include "test_text_editor_tabs.moc"
