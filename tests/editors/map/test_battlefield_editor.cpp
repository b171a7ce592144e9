#include "editor_driver.h"
#include "editors/frame/numeric_box.h"
#include "editors/general/name_tables.h"
#include "editors/map/battlefield_editor.h"
#include "editors/map/battlefield_reward.h"
#include "widget_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace BattlefieldRecords;
using NameTables::ItemNameTable;

namespace {

struct Stored {
    int low, high, rounds;
};

void putBattlefield(QByteArray& image, int i, const Stored& b) {
    putByte(image, rewardLow(i), static_cast<std::uint8_t>(b.low));
    putByte(image, rewardHigh(i), static_cast<std::uint8_t>(b.high));
    putByte(image, rounds(i), static_cast<std::uint8_t>(b.rounds));
}

QString itemName(int code) {
    return QStringLiteral("Item %1").arg(code).leftJustified(ItemNameTable.length,
                                                             QLatin1Char(' '));
}

const char* const GpBoxes[] = {"GPTXT", "GPThreeXTXT", "GPSevenSixtyEightXTXT"};
const char* const ExpBoxes[] = {"EXPTXT", "EXPThreeXTXT", "EXPSevenSixtyEightXTXT"};

// A synthetic ROM whose item names are "Item k", for the battlefield editor.
class Session : public EditorDriver {
public:
    Session() {
        for (int k = 0; k < 64; ++k)
            fixture.setText(ItemNameTable.offset(k), itemName(k), ItemNameTable.length);
    }
    void put(int i, const Stored& b) {
        fixture.setByte(rewardLow(i), static_cast<std::uint8_t>(b.low));
        fixture.setByte(rewardHigh(i), static_cast<std::uint8_t>(b.high));
        fixture.setByte(rounds(i), static_cast<std::uint8_t>(b.rounds));
    }
    Form10& open() { return EditorDriver::open<Form10>(); }
    // Opens on battlefield 0 and clicks row i, which holds b.
    void openOn(int i, const Stored& b) {
        put(i, b);
        open();
        select(i);
    }
    void select(int row) { clickRow("BattlefieldLST", row); }
    QString shown(const char* box) { return find<QLineEdit>(box)->text(); }
    QStringList shown(const char* const (&boxes)[3]) {
        return {shown(boxes[0]), shown(boxes[1]), shown(boxes[2])};
    }
    bool enabled(const char* const (&boxes)[3]) {
        return find<QWidget>(boxes[0])->isEnabled() && find<QWidget>(boxes[1])->isEnabled() &&
               find<QWidget>(boxes[2])->isEnabled();
    }
    bool disabled(const char* const (&boxes)[3]) {
        return !find<QWidget>(boxes[0])->isEnabled() && !find<QWidget>(boxes[1])->isEnabled() &&
               !find<QWidget>(boxes[2])->isEnabled();
    }
    bool checked(const char* option) { return find<QRadioButton>(option)->isChecked(); }
    QComboBox* combo() { return find<QComboBox>("ItemMagicCBO"); }
};

const Stored Gp1584{0x10, 0x02, 30};

} // namespace

class TestBattlefieldEditor : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstBattlefield() {
        Session s;
        s.put(0, Gp1584);
        Form10& form = s.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Battlefield Editor - KALDRIS TEST ROM"));
        auto* list = s.find<QListWidget>("BattlefieldLST");
        const QStringList rows{
            "Level Forest Battlefield (North)",  "Sand Temple Battlefield (West)",
            "Sand Temple Battlefield (East)",    "Focus Tower Battlefield (East)",
            "Libra Temple Battlefield (East)",   "Aquaria Battlefield (South)",
            "Wintry Cave Battlefield (South)",   "Wintry Cave Battlefield (West)",
            "Ice Pyramid Battlefield (South)",   "Libra Temple Battlefield (North)",
            "Wintry Temple Battlefield (North)", "Focus Tower Battlefield (West)",
            "Wintry Temple Battlefield (West)",  "Fireburg Battlefield (East)",
            "Fireburg Battlefield (West)",       "Mine Battlefield (South)",
            "Volcano Battlefield (West)",        "Volcano Battlefield (East)",
            "Kaidge Temple Battlefield (East)",  "Windia Battlefield (South)"};
        QCOMPARE(list->count(), rows.size());
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(list->item(i)->text(), rows[i]);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), list);

        QCOMPARE(s.combo()->count(), 65);
        QCOMPARE(s.combo()->itemText(0), QStringLiteral("Nothing"));
        QCOMPARE(s.combo()->itemText(1), itemName(0));
        QCOMPARE(s.combo()->itemText(64), itemName(63));
        QVERIFY(!s.combo()->isEditable());

        QCOMPARE(s.shown("RoundsTXT"), QStringLiteral("30"));
        QVERIFY(s.checked("GPOPT"));
        QCOMPARE(s.shown(GpBoxes), (QStringList{"1584", "16", "2"}));
        QVERIFY(s.find<QLineEdit>("GPTXT")->isReadOnly());
        QVERIFY(s.find<QLineEdit>("EXPTXT")->isReadOnly());
        QCOMPARE(s.find<QLabel>("InfoLBL")->text(),
                 QStringLiteral("Changing the number of rounds will only affect a new game.  The "
                                "game stores the current number in RAM from the start."));
        auto* timer = form.findChild<QTimer*>(QStringLiteral("tmr"));
        QVERIFY(timer && !timer->isActive());
        QCOMPARE(timer->interval(), 50);
    }

    void captionsAndTabOrder() {
        Session s;
        s.put(1, {0x10, 0x02, 30}); // GP 1584
        Form10& form = s.open();
        grabIfAsked(form, QStringLiteral("battlefield_editor"));
        const std::pair<const char*, const char*> captions[] = {
            {"Label6", "# of Rounds:"}, {"Label2", "= 3 x"},   {"Label3", "+ 768 x"},
            {"Label4", "= 3 x"},        {"Label5", "+ 768 x"}, {"Label1", "Battlefield Location:"}};
        for (const auto& [name, caption] : captions) {
            auto* label = s.find<QLabel>(name);
            QVERIFY2(label && label->isVisible(), name);
            QCOMPARE(label->text(), QString::fromLatin1(caption));
        }
        for (const char* name : {"Label2", "Label3", "Label4", "Label5"}) {
            QVERIFY(s.find<QLabel>(name)->font().bold());
            QCOMPARE(s.find<QLabel>(name)->font().pointSizeF(), 6.75);
        }
        QCOMPARE(s.find<QRadioButton>("GPOPT")->text(), QStringLiteral("GP"));
        QCOMPARE(s.find<QRadioButton>("EXPOPT")->text(), QStringLiteral("EXP"));
        QCOMPARE(s.find<QRadioButton>("ItemMagicOPT")->text(), QStringLiteral("Item/Magic"));

        // Tab from the list round to it, on a GP reward: the other kinds' boxes are
        // disabled and their options are no Tab stops
        const QStringList chain{
            "RoundsTXT", "GPOPT",   "GPTXT",         "GPThreeXTXT", "GPSevenSixtyEightXTXT",
            "ApplyCMD",  "QuitCMD", "BattlefieldLST"};
        QStringList visited;
        s.clickRow("BattlefieldLST", 1);
        for (qsizetype k = 0; k < chain.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, chain);
    }

    void loadShows_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QString>("option"); // empty: none chosen
        QTest::addColumn<QStringList>("gp");
        QTest::addColumn<QStringList>("exp");
        QTest::addColumn<int>("comboRow");
        const QStringList empty{"", "", ""};
        QTest::newRow("GP 1584") << 0x10 << 0x02 << "GPOPT" << QStringList{"1584", "16", "2"}
                                 << empty << 0;
        QTest::newRow("EXP 1068") << 0x64 << 0x81 << "EXPOPT" << empty
                                  << QStringList{"1068", "100", "1"} << 0;
        QTest::newRow("GP 32256") << 0x00 << 0x2A << "GPOPT" << QStringList{"32000", "0", "42"}
                                  << empty << 0;
        QTest::newRow("EXP 98301")
            << 0xFF << 0xFF << "EXPOPT" << empty << QStringList{"32000", "255", "127"} << 0;
        QTest::newRow("item 0x15") << 0x15 << 0x40 << "ItemMagicOPT" << empty << empty << 22;
        QTest::newRow("item 0 is row 1") << 0x00 << 0x40 << "ItemMagicOPT" << empty << empty << 1;
        QTest::newRow("item 0x50 has no row")
            << 0x50 << 0x40 << "ItemMagicOPT" << empty << empty << -1;
        QTest::newRow("0x41 no kind") << 0x10 << 0x41 << "" << empty << empty << 0;
        QTest::newRow("0x7F no kind") << 0x10 << 0x7F << "" << empty << empty << 0;
    }
    // Loaded after a GP battlefield, so nothing of it may stay.
    void loadShows() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QString, option);
        QFETCH(QStringList, gp);
        QFETCH(QStringList, exp);
        QFETCH(int, comboRow);
        Session s;
        s.put(0, {0x33, 0x01, 9});
        s.openOn(13, {low, high, 77});
        QCOMPARE(s.shown("RoundsTXT"), QStringLiteral("77"));
        for (const char* name : {"GPOPT", "EXPOPT", "ItemMagicOPT"}) {
            QVERIFY(s.find<QRadioButton>(name)->isEnabled());
            QCOMPARE(s.checked(name), option == QLatin1String(name));
        }
        QCOMPARE(s.shown(GpBoxes), gp);
        QCOMPARE(s.shown(ExpBoxes), exp);
        QCOMPARE(s.enabled(GpBoxes), option == QStringLiteral("GPOPT"));
        QCOMPARE(s.enabled(ExpBoxes), option == QStringLiteral("EXPOPT"));
        QCOMPARE(s.combo()->currentIndex(), comboRow);
        QCOMPARE(s.combo()->isEnabled(), option == QStringLiteral("ItemMagicOPT"));
        if (comboRow > 0)
            QCOMPARE(s.combo()->currentText(), itemName(comboRow - 1));
    }

    void applyUnchanged_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("storedLow");
        QTest::addColumn<int>("storedHigh");
        QTest::addColumn<QString>("roundsAfter");
        QTest::newRow("GP 32256 becomes 171/41") << 0x00 << 0x2A << 12 << 171 << 41 << "12";
        QTest::newRow("EXP FF/FF becomes 171/169") << 0xFF << 0xFF << 12 << 171 << 169 << "12";
        QTest::newRow("GP 32001 stays") << 0xAB << 0x29 << 12 << 0xAB << 0x29 << "12";
        QTest::newRow("GP 1584 stays") << 0x10 << 0x02 << 200 << 0x10 << 0x02 << "200";
        QTest::newRow("EXP 1068 stays") << 0x64 << 0x81 << 200 << 0x64 << 0x81 << "200";
        QTest::newRow("item stays") << 0x15 << 0x40 << 5 << 0x15 << 0x40 << "5";
        QTest::newRow("item 0x50 stays") << 0x50 << 0x40 << 5 << 0x50 << 0x40 << "5";
        QTest::newRow("no kind stays") << 0x99 << 0x55 << 5 << 0x99 << 0x55 << "5";
        QTest::newRow("GP 32000, rounds 150 to 99") << 0x00 << 0x2A << 150 << 171 << 41 << "99";
        QTest::newRow("GP 32000, rounds 99 kept") << 0x00 << 0x2A << 99 << 171 << 41 << "99";
        QTest::newRow("EXP 32000, rounds 150 kept") << 0xFF << 0xFF << 150 << 171 << 169 << "150";
    }
    // Only the three bytes of the clicked battlefield may change, and the rounds
    // byte keeps the box's value of this Apply.
    void applyUnchanged() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, rounds);
        QFETCH(int, storedLow);
        QFETCH(int, storedHigh);
        QFETCH(QString, roundsAfter);
        Session s;
        s.openOn(7, {low, high, rounds});
        QByteArray expected = s.bytes();
        s.apply();
        putBattlefield(expected, 7, {storedLow, storedHigh, rounds});
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        QCOMPARE(s.shown("RoundsTXT"), roundsAfter);
    }

    void secondApplyStoresTheRoundsReset() {
        Session s;
        s.openOn(2, {0x00, 0x2A, 150});
        QByteArray expected = s.bytes();
        s.apply();
        s.apply();
        putBattlefield(expected, 2, {171, 41, 99});
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void typedComponents_data() {
        QTest::addColumn<QString>("high");
        QTest::addColumn<QString>("low");
        QTest::addColumn<bool>("lowFirst");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("storedLow");
        QTest::addColumn<int>("storedHigh");
        QTest::newRow("amount before the caps")
            << QStringLiteral("40") << QStringLiteral("255") << false
            << QStringList{"31485", "171", "40"} << 171 << 40;
        QTest::newRow("high over the cap reads 32000")
            << QStringLiteral("999") << QStringLiteral("5") << true
            << QStringList{"32000", "5", "41"} << 171 << 41;
        QTest::newRow("emptied boxes are 0")
            << QString() << QString() << false << QStringList{"0", "0", "0"} << 0 << 0;
        QTest::newRow("leading zeros") << QStringLiteral("001") << QStringLiteral("007") << false
                                       << QStringList{"789", "007", "001"} << 7 << 1;
    }
    void typedComponents() {
        QFETCH(QString, high);
        QFETCH(QString, low);
        QFETCH(bool, lowFirst);
        QFETCH(QStringList, shown);
        QFETCH(int, storedLow);
        QFETCH(int, storedHigh);
        for (const bool exp : {false, true}) {
            Session s;
            s.openOn(4, exp ? Stored{0x64, 0x81, 8} : Gp1584);
            QByteArray expected = s.bytes();
            const auto& boxes = exp ? ExpBoxes : GpBoxes;
            // each leaving recomputes the amount from the components as they then stand
            if (lowFirst)
                s.type(boxes[1], low);
            s.type(boxes[2], high);
            if (!lowFirst)
                s.type(boxes[1], low);
            QCOMPARE(s.shown(boxes), shown);
            s.apply();
            putBattlefield(expected, 4,
                           {storedLow, storedHigh + (exp ? 128 : 0), exp ? 8 : Gp1584.rounds});
            KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        }
    }

    void optionsChangeOnlyEnabledStatesAndTheCombo() {
        Session s;
        s.openOn(3, {0x15, 0x40, 1});
        s.click("GPOPT");
        QVERIFY(s.enabled(GpBoxes) && s.disabled(ExpBoxes));
        QCOMPARE(s.shown(GpBoxes), (QStringList{"", "", ""}));
        QCOMPARE(s.combo()->currentIndex(), 0);
        QVERIFY(!s.combo()->isEnabled());
        s.type("GPThreeXTXT", QStringLiteral("10"));
        s.click("EXPOPT");
        QVERIFY(s.enabled(ExpBoxes) && s.disabled(GpBoxes));
        QCOMPARE(s.shown(GpBoxes), (QStringList{"30", "10", "0"}));
        s.click("ItemMagicOPT");
        QVERIFY(s.disabled(ExpBoxes) && s.disabled(GpBoxes));
        QVERIFY(s.combo()->isEnabled());
        QCOMPARE(s.combo()->currentIndex(), 0);
    }

    // Arrow keys move the choice within the options as a click does.
    void arrowKeysChooseAnOption() {
        Session s;
        s.openOn(3, Gp1584);
        s.pressKey("GPOPT", Qt::Key_Down);
        QVERIFY(s.checked("EXPOPT"));
        QVERIFY(s.enabled(ExpBoxes) && s.disabled(GpBoxes));
        s.pressKey("EXPOPT", Qt::Key_Down);
        QVERIFY(s.checked("ItemMagicOPT"));
        QVERIFY(s.combo()->isEnabled() && s.disabled(ExpBoxes));
    }

    void chosenOptionDecidesTheKindWritten_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("comboRow");  // -1: none picked
        QTest::addColumn<int>("storedLow"); // -1: the reward stays
        QTest::addColumn<int>("storedHigh");
        QTest::newRow("EXP at once is EXP 0") << "EXPOPT" << -1 << 0 << 128;
        QTest::newRow("item row 2") << "ItemMagicOPT" << 2 << 0x01 << 0x40;
        QTest::newRow("item row 1") << "ItemMagicOPT" << 1 << 0x00 << 0x40;
        QTest::newRow("item row 64") << "ItemMagicOPT" << 64 << 0x3F << 0x40;
        QTest::newRow("item Nothing keeps the reward") << "ItemMagicOPT" << -1 << -1 << -1;
        QTest::newRow("item, then Nothing again") << "ItemMagicOPT" << 0 << -1 << -1;
    }
    // After a GP load; the rounds byte is written as usual.
    void chosenOptionDecidesTheKindWritten() {
        QFETCH(QString, option);
        QFETCH(int, comboRow);
        QFETCH(int, storedLow);
        QFETCH(int, storedHigh);
        Session s;
        s.openOn(9, Gp1584);
        QByteArray expected = s.bytes();
        s.type("RoundsTXT", QStringLiteral("7"));
        s.click(qPrintable(option));
        if (comboRow == 0)
            s.pickCombo("ItemMagicCBO", 5);
        if (comboRow >= 0)
            s.pickCombo("ItemMagicCBO", comboRow);
        s.apply();
        putByte(expected, rounds(9), 7);
        if (storedLow >= 0) {
            putByte(expected, rewardLow(9), static_cast<std::uint8_t>(storedLow));
            putByte(expected, rewardHigh(9), static_cast<std::uint8_t>(storedHigh));
        }
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void itemCodeWithoutRowStaysUntilOneIsPicked() {
        Session s;
        s.openOn(11, {0x50, 0x40, 3});
        QByteArray expected = s.bytes();
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        s.pickCombo("ItemMagicCBO", 3);
        s.apply();
        putByte(expected, rewardLow(11), 0x02);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void noKindWritesOnlyTheRounds() {
        Session s;
        s.openOn(0, {0x10, 0x41, 3});
        QByteArray expected = s.bytes();
        s.type("RoundsTXT", QStringLiteral("12"));
        s.apply();
        putByte(expected, rounds(0), 12);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);

        // choosing a kind then stores a reward of that kind
        s.click("GPOPT");
        s.type("GPThreeXTXT", QStringLiteral("5"));
        QCOMPARE(s.shown(GpBoxes), (QStringList{"15", "5", "0"}));
        s.apply();
        putByte(expected, rewardLow(0), 5);
        putByte(expected, rewardHigh(0), 0);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void roundsBoxCapsAt255() {
        Session s;
        s.openOn(19, Gp1584);
        QByteArray expected = s.bytes();
        s.type("RoundsTXT", QStringLiteral("300"));
        QCOMPARE(s.shown("RoundsTXT"), QStringLiteral("255"));
        s.apply();
        putByte(expected, rounds(19), 255);
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // Text that no key filter saw is read as 0 and corrected on leaving.
    void pastedTextIsZero() {
        Session s;
        s.openOn(6, Gp1584);
        QByteArray expected = s.bytes();
        QApplication::clipboard()->setText(QStringLiteral("4x"));
        for (const char* name : {"GPThreeXTXT", "RoundsTXT"}) {
            auto* box = s.find<QLineEdit>(name);
            s.type(name, QString(), false);
            box->paste();
            QCOMPARE(box->text(), QStringLiteral("4x"));
        }
        s.apply(); // leaves the rounds box, which holds the focus
        QCOMPARE(s.shown("RoundsTXT"), QStringLiteral("0"));
        QCOMPARE(s.shown(GpBoxes), (QStringList{"1536", "0", "2"}));
        putBattlefield(expected, 6, {0, 2, 0});
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // Apply writes the row that was clicked last, whatever was shown before.
    void applyWritesTheClickedBattlefield() {
        Session s;
        s.put(3, Gp1584);
        s.put(12, {0x64, 0x81, 40});
        QByteArray expected = s.bytes();
        s.open();
        s.select(3);
        s.type("GPThreeXTXT", QStringLiteral("100"));
        s.select(12);
        QCOMPARE(s.shown(ExpBoxes), (QStringList{"1068", "100", "1"}));
        s.type("EXPSevenSixtyEightXTXT", QStringLiteral("2"));
        s.apply();
        putBattlefield(expected, 12, {0x64, 0x82, 40});
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void cancelWritesNothing() {
        Session s;
        s.put(1, Gp1584);
        const QByteArray before = s.bytes();
        Form10& form = s.open();
        s.select(1);
        s.type("RoundsTXT", QStringLiteral("99"));
        s.type("GPSevenSixtyEightXTXT", QStringLiteral("30"));
        s.click("ItemMagicOPT");
        s.pickCombo("ItemMagicCBO", 4);
        s.select(2);
        s.click("EXPOPT");
        s.cancel();
        QVERIFY(!form.isVisible());
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    void everyRowShowsItsPicture() {
        Session s;
        const QSize window = s.open().size();
        auto* picture = s.find<QLabel>("BattlefieldIMG");
        for (int row = Count - 1; row >= 0; --row) {
            s.select(row);
            QCoreApplication::processEvents();
            const QSize size = row == 5 ? QSize(152, 152) : QSize(150, 150);
            QVERIFY2(!picture->pixmap().isNull(), qPrintable(QString::number(row)));
            QCOMPARE(picture->pixmap().size(), size);
            QCOMPARE(picture->size(), QSize(152, 152)); // the largest, on every row
            QCOMPARE(s.window().size(), window);
        }
    }
};

QTEST_MAIN(TestBattlefieldEditor)
#include "test_battlefield_editor.moc"
