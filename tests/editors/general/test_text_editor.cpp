#include "editor_driver.h"
#include "editors/general/attack_editor.h"
#include "editors/general/attack_rules.h"
#include "editors/general/name_tables.h"
#include "editors/general/text_editor.h"
#include "widget_helpers.h"
#include "workspace/main_window.h"
#include "workspace/rom_header.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

using namespace NameTables;

namespace {

enum Tab { CharTab, MonsterTab, AttackTab, ItemTab, AreaTab, TitleTab };
// the text editor's CharNameTXT, the attack editor's AttackPowerTXT, the main window's
// ROMVersionTXT
enum Window { Names, Attack, Main };

struct NameTabControls {
    const char* list;
    const char* box;
};
const NameTabControls NameTabs[] = {{"CharLST", "CharNameTXT"},
                                    {"MonsterLST", "MonsterNameTXT"},
                                    {"MonsterAttackLST", "MonAtkTXT"},
                                    {"ItemLST", "ItemNameTXT"},
                                    {"AreaLST", "AreaNameTXT"}};
const char* const Frames[] = {"CharFRA", "MonsterFRA", "MonAtkFRA",
                              "ItemFRA", "AreaFRA",    "TitleFRA"};

constexpr int TitleStart = 0x610DB;
constexpr int TitleBytes = 55;

// "ABC..." as the game stores it: "A" is 0x9A, the rest follow.
QByteArray alphabetBytes(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>(0x9A + i));
    return bytes;
}

QByteArray spaces(int count) {
    return QByteArray(count, '\x03');
}

class Session : public EditorDriver {
public:
    Session() {
        fixture.setText(CharacterNames.offset(0), QStringLiteral("Kaldris"), 8);
        fixture.setText(MonsterNameTable.offset(80), QStringLiteral("Dark Lord"), 16);
        fixture.setText(AreaNameTable.offset(5), QStringLiteral("Harbor"), 16);
        fixture.setText(ItemNameTable.offset(2), QStringLiteral("Ether"), 12);
    }
    Form6& open() { return EditorDriver::open<Form6>(); }
    QListWidget* list(int tab) { return find<QListWidget>(NameTabs[tab].list); }
    QLineEdit* box(int tab) { return find<QLineEdit>(NameTabs[tab].box); }
    QLineEdit* block(int k) {
        return find<QLineEdit>(qPrintable(QStringLiteral("Block%1TXT").arg(k)));
    }
    QRadioButton* option(int n) {
        return find<QRadioButton>(qPrintable(QStringLiteral("OPT%1").arg(n)));
    }
    void pickName(int tab, int row) {
        clickTab("TextTAB", tab);
        clickRow(NameTabs[tab].list, row);
    }
};

} // namespace

class TestTextEditor : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheCharacterTabWithNothingPicked() {
        Session s;
        Form6& form = s.open();
        grabIfAsked(form, QStringLiteral("text_editor"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Text Editor - KALDRIS TEST ROM"));

        auto* tabs = s.find<QTabBar>("TextTAB");
        const QStringList captions{"Character Names",     "Monster Names", "Monster Attack Names",
                                   "Item && Magic Names", "Area Names",    "Title Screen"};
        const QStringList keys{"char", "monster", "monatk", "item", "area", "title"};
        QCOMPARE(tabs->count(), 6);
        for (int tab = 0; tab < 6; ++tab) {
            QCOMPARE(tabs->tabText(tab), captions[tab]);
            QCOMPARE(tabs->tabData(tab).toString(), keys[tab]);
            QCOMPARE(s.find<QGroupBox>(Frames[tab])->isVisible(), tab == CharTab);
        }
        QCOMPARE(tabs->currentIndex(), 0);
        for (int n = 1; n <= 6; ++n) {
            QVERIFY(s.option(n)->isHidden());
            QVERIFY(!s.option(n)->isEnabled());
            QCOMPARE(s.option(n)->isChecked(), n == 4);
        }

        const int rows[] = {9, 81, 160, 64, 37};
        for (int tab = CharTab; tab <= AreaTab; ++tab) {
            QCOMPARE(s.list(tab)->count(), rows[tab]);
            QVERIFY(s.list(tab)->selectedItems().isEmpty());
            QVERIFY(s.box(tab)->text().isEmpty());
        }
        // the field texts as read, trailing spaces and all
        QCOMPARE(s.list(CharTab)->item(0)->text(), QStringLiteral("Kaldris "));
        QCOMPARE(s.list(MonsterTab)->item(80)->text(), QStringLiteral("Dark Lord       "));
        QCOMPARE(s.list(ItemTab)->item(2)->text(), QStringLiteral("Ether       "));
        QCOMPARE(s.list(AreaTab)->item(5)->text(), QStringLiteral("Harbor          "));

        QVERIFY(s.find<QRadioButton>("DefaultOPT")->isChecked());
        QVERIFY(!s.find<QRadioButton>("CustomOPT")->isEnabled());
        QCOMPARE(s.find<QLabel>("InfoLBL")->text(),
                 QStringLiteral("Use an _ to separate words in the same line of text."));
        // the load's bar and step label lie below the window's bottom edge
        auto* bar = s.find<QProgressBar>("pbar");
        auto* step = s.find<QLabel>("pbarLoadLBL");
        QCOMPARE(bar->maximum(), 255);
        QVERIFY(bar->geometry().top() >= form.height());
        QVERIFY(step->geometry().top() >= form.height());
        QVERIFY(step->text().isEmpty());
        QVERIFY(s.find<QTabBar>("TextTAB")->hasFocus());
    }

    // The load fills the lists in its own order, each under its step label,
    // with the title boxes read between the area and the item names.
    void loadRunsItsStepsInOrder() {
        Session s;
        s.fixture.setText(TitleTextBlock[0].offset, QStringLiteral("TM"), 2);
        QStringList steps;
        QList<bool> titleLoaded;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            QLabel* step = nullptr;
            QLineEdit* title = nullptr;
            for (QWidget* widget : QApplication::allWidgets()) {
                if (widget->objectName() == QLatin1String("pbarLoadLBL"))
                    step = qobject_cast<QLabel*>(widget);
                if (widget->objectName() == QLatin1String("Block0TXT"))
                    title = qobject_cast<QLineEdit*>(widget);
            }
            if (!step || step->text().isEmpty() ||
                (!steps.isEmpty() && steps.last() == step->text()))
                return;
            steps << step->text();
            titleLoaded << !title->text().isEmpty();
        });
        watch.start(0);
        s.open();
        watch.stop();
        QCOMPARE(steps, (QStringList{"Loading Characters...", "Loading Monsters...",
                                     "Loading Area/Map Names...", "Loading Key Item Names...",
                                     "Loading Monster Attack Names..."}));
        QCOMPARE(titleLoaded, (QList<bool>{false, false, false, true, true}));
    }

    void applyWithNoPickedNameWritesNothing_data() {
        QTest::addColumn<int>("tab");
        for (int tab = CharTab; tab <= AreaTab; ++tab)
            QTest::addRow("%s", NameTabs[tab].list) << tab;
    }
    void applyWithNoPickedNameWritesNothing() {
        QFETCH(int, tab);
        Session s;
        const QByteArray before = s.bytes();
        s.open();
        s.clickTab("TextTAB", tab);
        s.type(NameTabs[tab].box, QStringLiteral("Lost"));
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
        QCOMPARE(s.box(tab)->text(), QStringLiteral("Lost"));
        QVERIFY(s.list(tab)->selectedItems().isEmpty());
    }

    void applyWritesThePickedNameInItsField_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("held"); // put into the field first, when not empty
        QTest::addColumn<QString>("shown");   // the box after the click; null: not checked
        QTest::addColumn<QString>("typed");   // null: Apply without typing
        QTest::addColumn<QByteArray>("stored");
        // 0x00 and 0x05 have no character, 0xD7 is "..."
        // a name left as it reads keeps its bytes
        QTest::newRow("character 3 as it reads")
            << int(CharTab) << 3 << 0x653A0 << QByteArray::fromHex("A4B400BFD7030305")
            << QStringLiteral("Kal...  ") << QString() << QByteArray::fromHex("A4B400BFD7030305");
        QTest::newRow("ellipses shown whole")
            << int(CharTab) << 0 << 0x652B0 << QByteArray(8, '\xD7') << QString(24, u'.')
            << QString() << QByteArray(8, '\xD7');
        QTest::newRow("character 8")
            << int(CharTab) << 8 << 0x65530 << QByteArray() << QString() << QStringLiteral("Bram")
            << QByteArray::fromHex("9BC5B4C0") + spaces(4);
        QTest::newRow("monster 80") << int(MonsterTab) << 80 << 0x652A0 << QByteArray()
                                    << QStringLiteral("Dark Lord       ") << QStringLiteral("Bat")
                                    << QByteArray::fromHex("9BB4C7") + spaces(13);
        QTest::newRow("attack 159 ends at 0x64D9F")
            << int(AttackTab) << 159 << 0x64D94 << QByteArray() << QString()
            << QStringLiteral("ABCDEFGHIJKL") << alphabetBytes(12);
        QTest::newRow("item 0x3F") << int(ItemTab) << 0x3F << 0x64614 << QByteArray() << QString()
                                   << QStringLiteral("AB") << alphabetBytes(2) + spaces(10);
        QTest::newRow("area 36") << int(AreaTab) << 36 << 0x64310 << QByteArray() << QString()
                                 << QStringLiteral("ABCDEFGHIJKLMNOP") << alphabetBytes(16);
        QTest::newRow("uncoded character as a space")
            << int(AreaTab) << 5 << 0x64120 << QByteArray() << QStringLiteral("Harbor          ")
            << QStringLiteral("A#B") << QByteArray::fromHex("9A039B") + spaces(13);
        QTest::newRow("empty name") << int(ItemTab) << 2 << 0x64338 << QByteArray() << QString()
                                    << QStringLiteral("") << spaces(12);
    }
    void applyWritesThePickedNameInItsField() {
        QFETCH(int, tab);
        QFETCH(int, row);
        QFETCH(int, offset);
        QFETCH(QByteArray, held);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        Session s;
        s.fixture.setBytes(offset, held);
        QByteArray expected = s.bytes();
        putBytes(expected, offset, stored);
        s.open();
        s.pickName(tab, row);
        if (!shown.isNull())
            QCOMPARE(s.box(tab)->text(), shown);
        const QString before = s.list(tab)->item(row)->text();
        if (!typed.isNull())
            s.type(NameTabs[tab].box, typed);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);

        // the list is not reloaded: its row shows the old text, the box the new
        QCOMPARE(s.list(tab)->item(row)->text(), before);
        if (!typed.isNull())
            QCOMPARE(s.box(tab)->text(), typed);
        QCOMPARE(s.list(tab)->selectedItems().size(), 1);
        QCOMPARE(s.list(tab)->row(s.list(tab)->selectedItems().first()), row);
    }

    void reopeningShowsTheAppliedName() {
        Session s;
        s.open();
        s.pickName(CharTab, 0);
        s.type("CharNameTXT", QStringLiteral("Rowan"));
        s.apply();
        QCOMPARE(s.list(CharTab)->item(0)->text(), QStringLiteral("Kaldris "));
        s.cancel();
        s.open();
        QCOMPARE(s.list(CharTab)->item(0)->text(), QStringLiteral("Rowan   "));
    }

    // A name typed on one tab and not applied there is never written by another tab's Apply.
    void applyWritesOnlyTheCurrentTab() {
        Session s;
        QByteArray expected = s.bytes();
        putBytes(expected, AreaNameTable.offset(7), QByteArray::fromHex("9DC2C2C5") + spaces(12));
        s.open();
        s.pickName(ItemTab, 2);
        s.type("ItemNameTXT", QStringLiteral("Elixir"));
        s.clickTab("TextTAB", AreaTab);
        s.clickRow("AreaLST", 7);
        s.type("AreaNameTXT", QStringLiteral("Door"));
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
        // switching tabs left the item box as it was
        QCOMPARE(s.box(ItemTab)->text(), QStringLiteral("Elixir"));
    }

    // A click or arrow key on the strip shows that tab's frame alone and sets its
    // option; no list or box changes.
    void switchingTabsShowsOnlyItsFrame_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<int>("option");
        QTest::newRow("monster") << int(MonsterTab) << false << 5;
        QTest::newRow("attack") << int(AttackTab) << false << 6;
        QTest::newRow("item") << int(ItemTab) << false << 1;
        QTest::newRow("area") << int(AreaTab) << false << 2;
        QTest::newRow("title") << int(TitleTab) << false << 3;
        QTest::newRow("monster by key") << int(MonsterTab) << true << 5;
    }
    void switchingTabsShowsOnlyItsFrame() {
        QFETCH(int, tab);
        QFETCH(bool, byKey);
        QFETCH(int, option);
        Session s;
        Form6& form = s.open();
        s.clickRow("CharLST", 0);
        s.type("CharNameTXT", QStringLiteral("Rowan"), false);
        const QSize size = form.size();
        if (byKey)
            s.pressKey("TextTAB", Qt::Key_Right);
        else
            s.clickTab("TextTAB", tab);
        // the focus leaves the hidden box for the strip, not for Apply
        QVERIFY(s.find<QTabBar>("TextTAB")->hasFocus());
        for (int k = 0; k < 6; ++k)
            QCOMPARE(s.find<QGroupBox>(Frames[k])->isVisible(), k == tab);
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(s.option(n)->isChecked(), n == option);
        QCOMPARE(form.size(), size);

        s.clickTab("TextTAB", CharTab);
        QVERIFY(s.option(4)->isChecked());
        QCOMPARE(s.box(CharTab)->text(), QStringLiteral("Rowan"));
        QCOMPARE(s.list(CharTab)->selectedItems().first()->text(), QStringLiteral("Kaldris "));
    }

    // Box k writes title field k; the eight boxes left as they read keep their bytes.
    void titleApplyWritesTheChangedField_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        for (int k = 0; k < 9; ++k) {
            const TextField& f = TitleTextBlock[static_cast<std::size_t>(k)];
            QTest::addRow("Block%dTXT", k) << k << int(f.offset) << int(f.length);
        }
    }
    void titleApplyWritesTheChangedField() {
        QFETCH(int, k);
        QFETCH(int, offset);
        QFETCH(int, length);
        Session s;
        // bytes without a character: every box loads empty
        s.fixture.setBytes(TitleStart, QByteArray(TitleBytes, '\0'));
        QByteArray expected = s.bytes();
        putBytes(expected, offset, alphabetBytes(length));
        s.open();
        s.clickTab("TextTAB", TitleTab);
        QVERIFY(s.block(k)->text().isEmpty());
        s.type(qPrintable(QStringLiteral("Block%1TXT").arg(k)),
               QStringLiteral("ABCDEFGHIJKLMNOP").left(length));
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    // However text arrives, a box keeps to its field and the text keeps its own
    // start: what it shows is what Apply (Save ROM in the main window) stores.
    // A paste is one edit, which Undo takes back whole.
    void arrivingTextIsCutToTheField_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QByteArray>("loaded");
        QTest::addColumn<QKeySequence>("before"); // keys pressed in the box first
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("arriving");
        QTest::addColumn<QKeySequence>("after");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("stored"); // empty: the file as loaded
        const QByteArray hero = QByteArray::fromHex("A1B8C5C291030303");     // "Hero1   "
        const QByteArray heroOnly = QByteArray::fromHex("A1B8C5C200000000"); // no character: "Hero"
        const QByteArray goblin = QByteArray::fromHex("A0C2B5BFBCC10392");
        const QByteArray pastedNa = QByteArray::fromHex("A9B4C6C7B8B7A7B4");
        const QByteArray zena = QByteArray::fromHex("B3B8D7C1B4030303"); // "Ze...na   "
        const QKeySequence all(QStringLiteral("Home, Shift+End"));
        const QKeySequence none;
        const QKeyCombination undo = QKeySequence(QKeySequence::Undo)[0];
        const QString goblinPadded = QStringLiteral("Goblin 2        ");
        for (const char* route : {"Ctrl+V", "Shift+Insert", "menu", "composed"})
            QTest::addRow("%s over a selection", route)
                << int(Names) << hero << all << route << goblinPadded << none << "Goblin 2"
                << goblin;
        // these go in where the pointer is and replace nothing: no room in a full box
        for (const char* route : {"middle click", "drop"}) {
            QTest::addRow("%s over a selection", route)
                << int(Names) << hero << all << route << "Goblin 2" << none << "Hero1   "
                << QByteArray();
            QTest::addRow("%s", route) << int(Names) << QByteArray(8, '\0') << none << route
                                       << "PastedNameTooLong" << none << "PastedNa" << pastedNa;
        }
        QTest::newRow("into the middle")
            << int(Names) << heroOnly << QKeySequence(QStringLiteral("Home, Right, Right"))
            << "Ctrl+V"
            << "xyz123" << none << "Hexyz1ro" << QByteArray::fromHex("A1B8CBCCCD91C5C2");
        // the keys typed before and after are undo steps of their own
        QTest::newRow("typing around")
            << int(Names) << heroOnly << QKeySequence(QStringLiteral("End, Q")) << "Ctrl+V"
            << "xy" << QKeySequence(QStringLiteral("W, Ctrl+Z, Ctrl+Z")) << "Heroq"
            << QByteArray::fromHex("A1B8C5C2C4030303");
        QTest::newRow("undo") << int(Names) << hero << all << "Ctrl+V" << goblinPadded
                              << QKeySequence(undo) << "Hero1   " << QByteArray();
        QTest::newRow("undo, redo")
            << int(Names) << hero << all << "menu" << goblinPadded
            << QKeySequence(undo, QKeySequence(QKeySequence::Redo)[0]) << "Goblin 2" << goblin;
        for (const QKeyCombination erase : {Qt::CTRL | Qt::Key_X, QKeyCombination(Qt::Key_Delete)})
            QTest::addRow("%s, undo", qPrintable(QKeySequence(erase).toString()))
                << int(Names) << zena << all << ""
                << "" << QKeySequence(erase, undo) << "Ze...na   " << QByteArray();
        QTest::newRow("attack power")
            << int(Attack) << QByteArray::fromHex("00002D") << all << "Shift+Insert"
            << "1005" << none << "100" << QByteArray::fromHex("000064");
        QTest::newRow("version") << int(Main) << QByteArray(1, char(200)) << all << "menu"
                                 << "300" << none << "30" << QByteArray(1, 30);
    }
    void arrivingTextIsCutToTheField() {
        QFETCH(int, window);
        QFETCH(QByteArray, loaded);
        QFETCH(QKeySequence, before);
        QFETCH(QString, route);
        QFETCH(QString, arriving);
        QFETCH(QKeySequence, after);
        QFETCH(QString, shown);
        QFETCH(QByteArray, stored);
        const QByteArray name = window == Names    ? "CharNameTXT"
                                : window == Attack ? "AttackPowerTXT"
                                                   : "ROMVersionTXT";
        const int offset = window == Names    ? CharacterNames.offset(1)
                           : window == Attack ? AttackRecord::record(1) // type, status, power
                                              : RomHeader::VersionOffset;
        Session s;
        s.fixture.setBytes(offset, loaded);
        QByteArray expected = s.bytes();
        putBytes(expected, offset, stored);
        if (window == Names) {
            s.open();
            s.pickName(CharTab, 1);
        } else if (window == Attack) {
            s.EditorDriver::open<Form7>();
            s.clickRow("AtkLST", 1);
        } else {
            s.platform.dialogAnswers << s.fixture.romPath();
            s.show(std::make_unique<Form1>(s.platform, s.fixture.tablePath()));
            QTest::keyClick(&s.window(), Qt::Key_O, Qt::ControlModifier);
        }
        const auto press = [&s, &name](const QKeySequence& keys) {
            for (int k = 0; k < keys.count(); ++k)
                s.pressKey(name, keys[k].key(), keys[k].keyboardModifiers());
        };
        press(before);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(arriving);
        QLineEdit* edit = s.find<QLineEdit>(name);
        if (route == QLatin1String("Ctrl+V")) {
            s.pressKey(name, Qt::Key_V, Qt::ControlModifier);
        } else if (route == QLatin1String("Shift+Insert")) {
            s.pressKey(name, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (route == QLatin1String("menu")) {
            // the right-click menu, as the system asks for it
            QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, edit->rect().center(),
                                        edit->mapToGlobal(edit->rect().center()));
            QApplication::sendEvent(edit, &menuAsked);
            s.pickMenuItem(QStringLiteral("&Paste\t") +
                           QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText));
        } else if (route == QLatin1String("middle click")) {
            if (!clipboard->supportsSelection())
                QSKIP("no selection clipboard on this platform");
            clipboard->setText(arriving, QClipboard::Selection);
            QTest::mouseClick(edit, Qt::MiddleButton, {}, edit->rect().center());
        } else if (route == QLatin1String("drop")) {
            s.dropText(name, arriving);
        } else if (route == QLatin1String("composed")) {
            QInputMethodEvent composed;
            composed.setCommitString(arriving);
            QApplication::sendEvent(edit, &composed);
        }
        press(after);
        QCOMPARE(edit->text(), shown);
        if (window == Main)
            s.pressKey(name, Qt::Key_S, Qt::ControlModifier);
        else
            s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), expected);
    }

    void titleBoxesShowTheirFields() {
        Session s;
        const char* const texts[] = {"TM",       "Legend", "of", "the",     "Kaldris",
                                     "New Game", "Start",  "1",  "Continue"};
        for (int k = 0; k < 9; ++k)
            s.fixture.setText(TitleTextBlock[k].offset, QString::fromLatin1(texts[k]),
                              TitleTextBlock[k].length);
        s.open();
        for (int k = 0; k < 9; ++k)
            QCOMPARE(s.block(k)->text(),
                     QString::fromLatin1(texts[k]).leftJustified(TitleTextBlock[k].length));
    }

    void everyBoxTakesItsFieldLength_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("limit");
        const int nameLimits[] = {8, 16, 12, 12, 16};
        for (int tab = CharTab; tab <= AreaTab; ++tab)
            QTest::addRow("%s", NameTabs[tab].box)
                << tab << QString::fromLatin1(NameTabs[tab].box) << nameLimits[tab];
        const int titleLimits[] = {2, 6, 4, 4, 8, 16, 5, 2, 8};
        for (int k = 0; k < 9; ++k)
            QTest::addRow("Block%dTXT", k)
                << int(TitleTab) << QStringLiteral("Block%1TXT").arg(k) << titleLimits[k];
    }
    void everyBoxTakesItsFieldLength() {
        QFETCH(int, tab);
        QFETCH(QString, box);
        QFETCH(int, limit);
        const QString typed = QStringLiteral("Ab1 !?.-&%:/'*,_|Z0123456789");
        Session s;
        s.open();
        s.clickTab("TextTAB", tab);
        s.type(qPrintable(box), typed);
        QCOMPARE(s.find<QLineEdit>(qPrintable(box))->text(), typed.left(limit));
    }

    // Top to bottom: Block0 at the right; Block5; Block6, 1, 2, 3; Block4, 7, 8.
    void titleBoxesStandInFourRows() {
        Session s;
        s.open();
        s.clickTab("TextTAB", TitleTab);
        const QList<QList<int>> rows{{0}, {5}, {6, 1, 2, 3}, {4, 7, 8}};
        int above = -1;
        for (const QList<int>& row : rows) {
            const QRect first = s.block(row.first())->geometry();
            QVERIFY(first.top() > above);
            int left = -1;
            for (const int k : row) {
                const QRect box = s.block(k)->geometry();
                QCOMPARE(box.top(), first.top());
                QVERIFY2(box.left() > left, qPrintable(QStringLiteral("Block%1TXT").arg(k)));
                left = box.right();
            }
            above = first.bottom();
        }
        QVERIFY(s.block(0)->geometry().left() > s.block(5)->geometry().right());
    }

    void cancelWritesNothing() {
        Session s;
        const QByteArray before = s.bytes();
        Form6& form = s.open();
        s.pickName(MonsterTab, 80);
        s.type("MonsterNameTXT", QStringLiteral("Zed"));
        s.clickTab("TextTAB", TitleTab);
        s.type("Block5TXT", QStringLiteral("Zed"));
        s.cancel();
        QVERIFY(!form.isVisible());
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }
};

QTEST_MAIN(TestTextEditor)
#include "test_text_editor.moc"
