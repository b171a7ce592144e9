#include "editors/frame/hex_label.h"
#include "editors/frame/name_list_fill.h"
#include "fake_platform.h"
#include "widget_helpers.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>
#include <QVBoxLayout>

namespace {

QString rowName(int row) {
    return hexLabel(static_cast<unsigned>(row)) + QStringLiteral(" Name");
}

// What a row's callback saw of the window while the fill ran.
struct Sighting {
    bool barVisible = false;
    int barValue = -1;
    bool updatesEnabled = true;
    QString step;
    bool yieldedSinceLastRow = false;
};

struct FillWindow {
    QWidget window;
    QListWidget* list = new QListWidget;
    QComboBox* combo = new QComboBox;
    QProgressBar* bar = new QProgressBar;
    QLabel* step = new QLabel;

    FillWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(combo);
        layout->addWidget(bar);
        layout->addWidget(step);
        bar->setRange(0, 80);
        bar->hide();
    }
    void fill(bool toCombo, int count, const RowText& rowText, const FillOptions& options) {
        if (toCombo)
            fillNameList(*combo, count, rowText, options);
        else
            fillNameList(*list, count, rowText, options);
    }
    QStringList rows(bool ofCombo) const {
        QStringList texts;
        const int count = ofCombo ? combo->count() : list->count();
        for (int row = 0; row < count; ++row)
            texts << (ofCombo ? combo->itemText(row) : list->item(row)->text());
        return texts;
    }
};

} // namespace

class TestNameListFill : public QObject {
    Q_OBJECT
private slots:
    void fill_data() {
        QTest::addColumn<bool>("toCombo");
        QTest::addColumn<bool>("withBar");
        QTest::addColumn<bool>("moveBar");
        QTest::addColumn<bool>("withStep");
        QTest::addColumn<bool>("suspend");
        QTest::newRow("list with bar") << false << true << true << false << true;
        QTest::newRow("combo with bar") << true << true << true << false << true;
        QTest::newRow("list without bar") << false << false << true << false << true;
        QTest::newRow("bar that never moves") << false << true << false << false << true;
        QTest::newRow("step label") << false << true << true << true << true;
        QTest::newRow("combo without suspension") << true << false << true << false << false;
    }
    void fill() {
        QFETCH(bool, toCombo);
        QFETCH(bool, withBar);
        QFETCH(bool, moveBar);
        QFETCH(bool, withStep);
        QFETCH(bool, suspend);
        FillWindow w;
        QVERIFY(showActive(w.window));
        QWidget* target = toCombo ? static_cast<QWidget*>(w.combo) : w.list;
        // rows of an earlier fill, one of them selected, must all go
        w.fill(toCombo, 3, [](int) { return QStringLiteral("old"); }, {});
        if (toCombo)
            w.combo->setCurrentIndex(1);
        else
            w.list->setCurrentRow(1);

        const FillOptions options{.bar = withBar ? w.bar : nullptr,
                                  .moveBar = moveBar,
                                  .stepLabel = withStep ? w.step : nullptr,
                                  .stepText = QStringLiteral("Loading Monsters..."),
                                  .suspendUpdates = suspend};
        constexpr int count = 81;
        QList<Sighting> seen;
        bool yielded = false;
        w.fill(
            toCombo, count,
            [&](int row) {
                seen.append({w.bar->isVisible(), w.bar->value(), target->updatesEnabled(),
                             w.step->text(), yielded});
                yielded = false;
                QMetaObject::invokeMethod(
                    target, [&yielded] { yielded = true; }, Qt::QueuedConnection);
                return rowName(row);
            },
            options);

        QStringList expected;
        for (int row = 0; row < count; ++row)
            expected << rowName(row);
        QCOMPARE(w.rows(toCombo), expected);
        QCOMPARE(seen.size(), count);
        for (int row = 0; row < count; ++row) {
            const Sighting& at = seen[row];
            QCOMPARE(at.barVisible, withBar);
            if (withBar)
                QCOMPARE(at.barValue, moveBar && row > 0 ? row - 1 : 0);
            QCOMPARE(at.updatesEnabled, !suspend);
            QCOMPARE(at.step, withStep ? QStringLiteral("Loading Monsters...") : QString());
            QCOMPARE(at.yieldedSinceLastRow, row > 0);
        }

        QVERIFY(!w.bar->isVisible());
        QVERIFY(target->updatesEnabled());
        QVERIFY(w.step->text().isEmpty());
        if (toCombo) {
            QCOMPARE(w.combo->currentIndex(), -1);
        } else {
            QCOMPARE(w.list->currentRow(), -1);
            QCOMPARE(selectedRow(*w.list), -1);
        }
    }

    // A row that cannot be read (the program would end) leaves no list frozen.
    void failedRowRestoresTheWindow() {
        FillWindow w;
        QVERIFY(showActive(w.window));
        const FillOptions options{.bar = w.bar, .stepLabel = w.step, .stepText = "Loading..."};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, fillNameList(
                                                   *w.list, 10,
                                                   [](int row) {
                                                       if (row == 4)
                                                           throw ProgramEnded{1};
                                                       return rowName(row);
                                                   },
                                                   options));
        QVERIFY(w.list->updatesEnabled());
        QVERIFY(!w.bar->isVisible());
        QVERIFY(w.step->text().isEmpty());
    }

    // A list that gets the focus gains a current row that nobody selected.
    void currentRowIsNoSelection() {
        QListWidget list;
        fillNameList(list, 5, rowName);
        list.selectionModel()->setCurrentIndex(list.model()->index(2, 0),
                                               QItemSelectionModel::NoUpdate);
        QCOMPARE(list.currentRow(), 2);
        QCOMPARE(selectedRow(list), -1);
        list.setCurrentRow(3);
        QCOMPARE(selectedRow(list), 3);
    }
};

QTEST_MAIN(TestNameListFill)
#include "test_name_list_fill.moc"
