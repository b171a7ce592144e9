#include "editors/frame/flag_list.h"
#include "widget_helpers.h"

#include <QTest>
#include <QVBoxLayout>

namespace {

const std::array<QString, 8> StatusRows{"Poison",  "Sleep",   "Paralysis", "Confusion",
                                        "Silence", "Petrify", "Blind",     "Death"};

QList<int> checkedRows(const FlagList& list) {
    QList<int> rows;
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->checkState() == Qt::Checked)
            rows << row;
    }
    return rows;
}

void check(FlagList& list, const QList<int>& rows) {
    for (int row = 0; row < list.count(); ++row)
        list.item(row)->setCheckState(rows.contains(row) ? Qt::Checked : Qt::Unchecked);
}

} // namespace

class TestFlagList : public QObject {
    Q_OBJECT
private slots:
    void eightRowsWithTheirTexts() {
        FlagList list(StatusRows);
        QCOMPARE(list.count(), 8);
        for (int row = 0; row < 8; ++row) {
            QCOMPARE(list.item(row)->text(), StatusRows[row]);
            QVERIFY(list.item(row)->flags().testFlag(Qt::ItemIsUserCheckable));
        }
        QCOMPARE(list.save(), std::uint8_t{0});
    }

    void rowsAndBytes_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("0x00") << 0x00 << QList<int>{};
        QTest::newRow("0xFF") << 0xFF << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("0x81") << 0x81 << QList<int>{0, 7};
        QTest::newRow("rows 1 and 3") << 10 << QList<int>{1, 3};
        QTest::newRow("top row is bit 0") << 0x01 << QList<int>{0};
        QTest::newRow("bottom row is bit 7") << 0x80 << QList<int>{7};
    }
    // Each load follows the opposite byte, so a row the load forgot would show.
    void rowsAndBytes() {
        QFETCH(int, flags);
        QFETCH(QList<int>, rows);
        FlagList list(StatusRows);
        list.load(static_cast<std::uint8_t>(~flags));
        list.load(static_cast<std::uint8_t>(flags));
        QCOMPARE(checkedRows(list), rows);

        check(list, rows);
        QCOMPARE(list.save(), static_cast<std::uint8_t>(flags));
        for (int row = 0; row < 8; ++row)
            QCOMPARE(list.item(row)->text(), StatusRows[row]);
    }

    void everyByteRoundTrips() {
        FlagList list(StatusRows);
        for (int flags = 0; flags < 256; ++flags) {
            list.load(static_cast<std::uint8_t>(flags));
            QCOMPARE(list.save(), static_cast<std::uint8_t>(flags));
        }
    }

    void clickOrSpaceTogglesRow_data() {
        QTest::addColumn<bool>("onCheckBox");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("click on the text") << false << false;
        QTest::newRow("click on the check box") << true << false;
        QTest::newRow("space") << false << true;
    }
    void clickOrSpaceTogglesRow() {
        QFETCH(bool, onCheckBox);
        QFETCH(bool, byKey);
        QWidget window;
        auto* list = new FlagList(StatusRows);
        (new QVBoxLayout(&window))->addWidget(list);
        QVERIFY(showActive(window));
        list->load(0x01);
        const QRect rect = list->visualItemRect(list->item(3));
        // the check box sits at the row's leading edge
        const QPoint where =
            onCheckBox ? QPoint(rect.left() + rect.height() / 2, rect.center().y()) : rect.center();
        for (const int expected : {0x09, 0x01}) {
            if (byKey) {
                // to row 3 with the arrow keys, as a person moves there
                QTest::keyClick(list, Qt::Key_Home);
                for (int k = 0; k < 3; ++k)
                    QTest::keyClick(list, Qt::Key_Down);
                QTest::keyClick(list, Qt::Key_Space);
            } else {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
            }
            QCOMPARE(list->save(), static_cast<std::uint8_t>(expected));
        }
    }
};

QTEST_MAIN(TestFlagList)
#include "test_flag_list.moc"
