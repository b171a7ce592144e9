#include "editor_driver.h"
#include "editors/frame/editor_form.h"
#include "editors/frame/flag_list.h"
#include "editors/frame/form_rows.h"
#include "editors/frame/hex_label.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/general/attack_editor.h"
#include "editors/general/attack_rules.h"
#include "editors/general/equipment_editor.h"
#include "editors/general/monster_editor.h"
#include "editors/general/text_editor.h"
#include "editors/map/battlefield_editor.h"
#include "editors/map/battlefield_reward.h"
#include "editors/map/treasure_editor.h"
#include "editors/map/treasure_offset_table.h"
#include "editors/map/treasure_records.h"
#include "widget_helpers.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <functional>

namespace {

const QString RomName = QStringLiteral("KALDRIS ROM NAME      ");

// The frame writes nothing itself; one ROM serves every sample window.
EditorContext sampleContext() {
    static EditorDriver driver;
    return {driver.rom, driver.text, driver.platform, RomName};
}

// An editor of the usual shape: a record list on the left, boxes on the right.
class SampleForm : public EditorForm {
public:
    SampleForm() : EditorForm(QStringLiteral("Monster Editor - "), sampleContext()) {
        setInfoText(QStringLiteral("Use asterisks \"*\" for line breaks."));
        progressBar()->setMaximum(80);

        auto* columns = new QHBoxLayout(contentArea());
        columns->setContentsMargins({});
        list->setObjectName(QStringLiteral("MonsterLST"));
        list->setAccessibleName(QStringLiteral("Monsters"));
        columns->addWidget(list);
        auto* rows = new QFormLayout;
        columns->addLayout(rows);
        name = addTextRow(*rows, QStringLiteral("Name:"), QStringLiteral("NameTXT"), 16);
        hp = addNumericRow(*rows, QStringLiteral("HP:"), QStringLiteral("HPTXT"), 65535, 5);
        strength =
            addNumericRow(*rows, QStringLiteral("Strength:"), QStringLiteral("STRTXT"), 255, 5);
        auto* most = new QLabel(QStringLiteral(" -->  MAX Value = 765"));
        most->setObjectName(QStringLiteral("MostEXP"));
        QFont bold = most->font();
        bold.setBold(true);
        most->setFont(bold);
        exp = addNumericRow(*rows, QStringLiteral("EXP:"), QStringLiteral("EXPTXT"), 765, 3, most);
        rows->addRow(QStringLiteral("Status:"), flags);

        fillNames();
        list->setCurrentRow(0);
        hp->setText(QStringLiteral("65535"));
        strength->setText(QStringLiteral("12"));
        exp->setText(QStringLiteral("765"));
    }

    QListWidget* list = new QListWidget;
    TextBox* name = nullptr;
    NumericBox* hp = nullptr;
    NumericBox* strength = nullptr;
    NumericBox* exp = nullptr;
    FlagList* flags = new FlagList(
        {"Poison", "Sleep", "Paralysis", "Confusion", "Silence", "Petrify", "Blind", "Death"});

    // Called in the middle of the list reload of each Apply.
    std::function<void()> duringApply;
    int applies = 0;
    int appliesRunning = 0;
    QString strengthSeen;
    bool closedWhileApplying = false;

protected:
    void apply() override {
        ++applies;
        ++appliesRunning;
        strengthSeen = strength->text();
        const int row = selectedRow(*list);
        fillNames([this](int entry) {
            if (entry == 40 && duringApply)
                duringApply();
        });
        closedWhileApplying = closedWhileApplying || !isVisible();
        list->setCurrentRow(row);
        --appliesRunning;
    }

private:
    void fillNames(const std::function<void(int)>& atRow = {}) {
        fillNameList(*list, 81,
                     [&atRow](int entry) {
                         if (atRow)
                             atRow(entry);
                         return hexLabel(static_cast<unsigned>(entry)) + QStringLiteral(" Monster");
                     },
                     {.bar = progressBar()});
    }
};

QPushButton* button(const EditorForm& form, const char* name) {
    return form.findChild<QPushButton*>(QLatin1String(name));
}

template <class Form> void openOn(EditorDriver& s) {
    s.open<Form>();
}
const QHash<QString, void (*)(EditorDriver&)> Editors{{"Form2", openOn<Form2>},
                                                      {"Form5", openOn<Form5>},
                                                      {"Form6", openOn<Form6>},
                                                      {"Form9", openOn<Form9>},
                                                      {"Form10", openOn<Form10>}};

} // namespace

class TestEditorForm : public QObject {
    Q_OBJECT
private slots:
    void frame() {
        SampleForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Monster Editor - ") + RomName);
        for (const char* name : {"ApplyCMD", "QuitCMD"}) {
            QPushButton* pressed = button(form, name);
            QVERIFY(pressed);
            QVERIFY(!pressed->isDefault());
            QVERIFY(!pressed->autoDefault());
        }
        QCOMPARE(button(form, "ApplyCMD")->text(), QStringLiteral("Apply"));
        QCOMPARE(button(form, "QuitCMD")->text(), QStringLiteral("Cancel"));
        QCOMPARE(form.font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(form.font().pointSizeF(), 8.25);
        QCOMPARE(form.layout()->sizeConstraint(), QLayout::SetFixedSize);
        QVERIFY(
            !(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        const auto* icon = form.findChild<QLabel*>(QStringLiteral("InfoIMG"));
        QVERIFY(icon);
        QCOMPARE(icon->pixmap().size(), QSize(16, 16));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("InfoLBL"))->text(),
                 QStringLiteral("Use asterisks \"*\" for line breaks."));
        const auto* bar = form.findChild<QProgressBar*>(QStringLiteral("pbar"));
        QVERIFY(bar);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 80);
        QVERIFY(bar->isHidden());
        QCOMPARE(form.list->count(), 81);
        QCOMPARE(selectedRow(*form.list), 0);
    }

    void windowWithoutHintOrBar() {
        class CloseForm : public EditorForm {
        public:
            CloseForm() : EditorForm(QStringLiteral("Character Magic Editor - "), sampleContext()) {
                setQuitCaption(QStringLiteral("Close"));
            }

        protected:
            void apply() override {}
        } form;
        QCOMPARE(button(form, "QuitCMD")->text(), QStringLiteral("Close"));
        QVERIFY(!form.findChild<QProgressBar*>());
        QVERIFY(!form.findChild<QLabel*>(QStringLiteral("InfoIMG")));
    }

    void captionShowsTheRomNameAsStored() {
        class NamedForm : public EditorForm {
        public:
            explicit NamedForm(const EditorContext& context)
                : EditorForm(QStringLiteral("Monster Editor - "), context) {}

        protected:
            void apply() override {}
        };
        EditorContext context = sampleContext();
        context.romName = QStringLiteral("AB[*]CD");
        NamedForm form(context);
        QVERIFY(showActive(form));
        QCOMPARE(form.windowHandle()->title(), QStringLiteral("Monster Editor - AB[*]CD"));
    }

    // The driver picks a combo row as a person does: the list opens and the row is clicked.
    void driverPicksComboRowsByClicking_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("first") << 0;
        QTest::newRow("scrolled to") << 33;
    }
    void driverPicksComboRowsByClicking() {
        QFETCH(int, row);
        EditorDriver driver;
        auto window = std::make_unique<QWidget>();
        auto* combo = new QComboBox;
        combo->setObjectName(QStringLiteral("SampleCBO"));
        (new QVBoxLayout(window.get()))->addWidget(combo);
        fillNameList(*combo, 40, [](int i) { return QStringLiteral("Item %1").arg(i); });
        QSignalSpy picked(combo, &QComboBox::activated);
        driver.show(std::move(window));
        driver.pickCombo("SampleCBO", row);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(combo->currentIndex(), row);
    }

    void enterAndEscapePressNothing_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("focus");
        for (const char* focus : {"STRTXT", "ApplyCMD", "QuitCMD", "MonsterLST"}) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::addRow("%s %s", focus, qPrintable(QKeySequence(key).toString()))
                    << key << focus;
            }
        }
    }
    void enterAndEscapePressNothing() {
        QFETCH(Qt::Key, key);
        QFETCH(QString, focus);
        SampleForm form;
        QVERIFY(showActive(form));
        auto* target = form.findChild<QWidget*>(focus);
        QVERIFY(focusBox(*target));
        QTest::keyClick(target, key);
        QVERIFY(form.isVisible());
        QCOMPARE(form.applies, 0);
    }

    void cancelAndCloseBoxWriteNothing_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Cancel") << true;
        QTest::newRow("close box") << false;
    }
    void cancelAndCloseBoxWriteNothing() {
        QFETCH(bool, byButton);
        SampleForm form;
        bool typed = false;
        // runs inside exec(), as the main window opens an editor; closes in any case
        QTimer::singleShot(0, &form, [&] {
            if (QTest::qWaitForWindowActive(&form) && focusBox(*form.strength)) {
                QTest::keyClicks(form.strength, QStringLiteral("9"));
                typed = form.strength->text() == QStringLiteral("129");
            }
            if (byButton)
                QTest::mouseClick(button(form, "QuitCMD"), Qt::LeftButton);
            else
                form.close();
        });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
        QVERIFY(typed);
        QCOMPARE(form.applies, 0);
    }

    // Apply reads the boxes only after the focused one is corrected, also when
    // the click does not move the focus.
    void applyReadsCorrectedBoxes_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("seen");
        QTest::newRow("click, over the cap") << true << "300" << false << "255";
        QTest::newRow("no focus move, over the cap") << false << "300" << false << "255";
        QTest::newRow("click, emptied") << true << "" << false << "0";
        QTest::newRow("no focus move, emptied") << false << "" << false << "0";
        QTest::newRow("click, pasted word") << true << "ten" << true << "0";
        QTest::newRow("no focus move, pasted word") << false << "ten" << true << "0";
    }
    void applyReadsCorrectedBoxes() {
        QFETCH(bool, byMouse);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, seen);
        SampleForm form;
        QVERIFY(showActive(form));
        QVERIFY(focusBox(*form.strength));
        form.strength->clear();
        if (pasted)
            form.strength->insert(typed);
        else
            QTest::keyClicks(form.strength, typed);
        if (byMouse)
            QTest::mouseClick(button(form, "ApplyCMD"), Qt::LeftButton);
        else
            button(form, "ApplyCMD")->click();
        QCOMPARE(form.applies, 1);
        QCOMPARE(form.strengthSeen, seen);
        QCOMPARE(selectedRow(*form.list), 0);
        QVERIFY(form.findChild<QProgressBar*>(QStringLiteral("pbar"))->isHidden());
    }

    // While Apply reloads its list, a second Apply is refused and a close waits
    // for the first to end.
    void applyRunsToItsEnd_data() {
        QTest::addColumn<QString>("during");
        QTest::newRow("Apply") << "ApplyCMD";
        QTest::newRow("Cancel") << "QuitCMD";
        QTest::newRow("close box") << "";
    }
    void applyRunsToItsEnd() {
        QFETCH(QString, during);
        SampleForm form;
        QVERIFY(showActive(form));
        QTest::mouseClick(form.list->viewport(), Qt::LeftButton, {},
                          form.list->visualItemRect(form.list->item(7)).center());
        QCOMPARE(selectedRow(*form.list), 7);
        int runningInside = 0;
        form.duringApply = [&] {
            if (runningInside > 0)
                return;
            if (during.isEmpty())
                form.close();
            else
                button(form, qPrintable(during))->click();
            runningInside = form.appliesRunning;
        };
        button(form, "ApplyCMD")->click();
        QCOMPARE(runningInside, 1);
        QCOMPARE(form.applies, 1);
        QVERIFY(!form.closedWhileApplying);
        QCOMPARE(selectedRow(*form.list), 7);
        QCOMPARE(form.isVisible(), during == QStringLiteral("ApplyCMD"));
    }

    void rowsAreNamedByTheirCaptions_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("cap");
        QTest::addColumn<int>("limit");
        QTest::newRow("HP") << "HPTXT"
                            << "HP:" << 65535 << 5;
        QTest::newRow("Strength") << "STRTXT"
                                  << "Strength:" << 255 << 5;
        QTest::newRow("EXP") << "EXPTXT"
                             << "EXP:" << 765 << 3;
        QTest::newRow("Name") << "NameTXT"
                              << "Name:" << -1 << 16;
    }
    void rowsAreNamedByTheirCaptions() {
        QFETCH(QString, box);
        QFETCH(QString, caption);
        QFETCH(int, cap);
        QFETCH(int, limit);
        SampleForm form;
        auto* found = form.findChild<TextBox*>(box);
        QVERIFY(found);
        QCOMPARE(found->typingLimit(), limit);
        if (auto* numeric = qobject_cast<NumericBox*>(found)) {
            QCOMPARE(numeric->cap(), cap);
            QVERIFY(numeric->digitsOnly());
        }
        QLabel* label = captionOf(*found);
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->buddy(), found);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(found);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), caption);

        // a hidden box hides its caption and whatever stands beside it
        QVERIFY(showActive(form));
        auto* rows = form.findChild<QFormLayout*>();
        rows->setRowVisible(label, false);
        QVERIFY(!label->isVisible());
        QVERIFY(!found->isVisible());
        const auto* most = form.findChild<QLabel*>(QStringLiteral("MostEXP"));
        QCOMPARE(most->isVisible(), box != QStringLiteral("EXPTXT"));
    }

    // A value the program puts in is shown whole, so the box is wide enough for the cap.
    // Tab and Shift+Tab reach an option group at its checked option, after a load
    // in code and after a click; a Space there changes nothing Apply writes.
    void tabReachesTheCheckedOption_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("row"); // -1: the record the window opens on
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("lands");
        QTest::newRow("battlefield EXP")
            << "BattlefieldLST" << -1 << "RoundsTXT" << int(Qt::Key_Tab) << "EXPOPT";
        QTest::newRow("battlefield item")
            << "BattlefieldLST" << 1 << "RoundsTXT" << int(Qt::Key_Tab) << "ItemMagicOPT";
        QTest::newRow("attack fire")
            << "AtkLST" << 3 << "SoundEffectTXT" << int(Qt::Key_Tab) << "FireOPT";
        QTest::newRow("attack fire, back")
            << "AtkLST" << 3 << "AtkElementLST" << int(Qt::Key_Backtab) << "FireOPT";
        QTest::newRow("treasure box")
            << "TreasureLST" << 2 << "ContentsCBO" << int(Qt::Key_Tab) << "TBoxOPT";
    }
    void tabReachesTheCheckedOption() {
        QFETCH(QString, list);
        QFETCH(int, row);
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, lands);
        EditorDriver s;
        using namespace BattlefieldRecords;
        s.fixture.setBytes(rewardLow(0), QByteArray::fromHex("6481")); // EXP 1068
        s.fixture.setBytes(rewardLow(1), QByteArray::fromHex("0540")); // item 5
        s.fixture.setByte(AttackRecord::record(3) + AttackRecord::Type, 32);
        s.fixture.setByte(TreasureOffsets::offset(2) + TreasureContents::Kind,
                          static_cast<std::uint8_t>(TreasureKind::Box));
        if (list == QLatin1String("BattlefieldLST"))
            s.open<Form10>();
        else if (list == QLatin1String("AtkLST"))
            s.open<Form7>();
        else
            s.open<Form9>();
        if (row >= 0)
            s.clickRow(qPrintable(list), row);
        s.apply();
        const QByteArray applied = s.bytes();
        s.pressKey(qPrintable(from), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), lands);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        s.apply();
        KALDRIS_COMPARE_IMAGE(s.bytes(), applied);
    }

    // However the page turns, the focus left on the page it hides goes to the
    // strip, so a blank typed next applies nothing that was typed but not applied.
    void turningThePageLeavesApplyAlone_data() {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<int>("typedTab");
        QTest::addColumn<QString>("list"); // a row to pick first; empty: none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("otherTab");
        QTest::addColumn<QString>("other");
        QTest::addColumn<int>("notches");
        QTest::newRow("equipment, wheel to weapons") << "ItemsTAB" << 0 << ""
                                                     << "WPATKTXT" << 1 << "ARUnkByte1TXT" << 1;
        QTest::newRow("equipment, wheel to armor") << "ItemsTAB" << 1 << ""
                                                   << "ARDEFTXT" << 0 << "WPUnkByte1TXT" << -1;
        QTest::newRow("text, wheel to monsters") << "TextTAB" << 1 << "MonsterLST"
                                                 << "MonsterNameTXT" << 0 << "CharNameTXT" << -1;
    }
    void turningThePageLeavesApplyAlone() {
        QFETCH(QString, strip);
        QFETCH(int, typedTab);
        QFETCH(QString, list);
        QFETCH(QString, typed);
        QFETCH(int, otherTab);
        QFETCH(QString, other);
        QFETCH(int, notches);
        EditorDriver s;
        const QByteArray before = s.bytes();
        if (strip == QLatin1String("ItemsTAB"))
            s.open<Form5>();
        else
            s.open<Form6>();
        const QByteArray bar = strip.toLatin1();
        s.clickTab(bar, typedTab);
        if (!list.isEmpty())
            s.clickRow(qPrintable(list), 1);
        s.type(qPrintable(typed), QStringLiteral("99"), false);
        s.clickTab(bar, otherTab);
        s.type(qPrintable(other), QString(), false);
        s.wheel(bar, notches);
        QCOMPARE(s.find<QTabBar>(bar)->currentIndex(), typedTab);
        QCOMPARE(QApplication::focusWidget(), s.find<QWidget>(bar));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);
    }

    // A record loaded with reads failing is told once and Apply writes none of
    // it, saying so again; once a load of it reads well, Apply writes. The
    // treasure's global bytes load only at the opening; the armour loaded unread
    // with the weapon holds back no weapon.
    void unreadRecordIsNotApplied_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("atOpen"); // else reads break before row 1 is clicked
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("reloadClears");
        const QStringList chestAndIndex{"TreasureLST", "TreasureIndexLST"};
        QTest::newRow("monster") << "Form2" << true << QStringList{"MonsterLST"} << "HPTXT" << true;
        QTest::newRow("weapon") << "Form5" << true << QStringList{"WPLST"} << "WPATKTXT" << true;
        QTest::newRow("text") << "Form6" << false << QStringList{"CharLST"} << "CharNameTXT"
                              << true;
        QTest::newRow("chest") << "Form9" << false << QStringList{"TreasureLST"} << "YTXT" << true;
        QTest::newRow("treasure global") << "Form9" << true << chestAndIndex << "YTXT" << false;
        QTest::newRow("battlefield")
            << "Form10" << false << QStringList{"BattlefieldLST"} << "RoundsTXT" << true;
    }
    void unreadRecordIsNotApplied() {
        QFETCH(QString, form);
        QFETCH(bool, atOpen);
        QFETCH(QStringList, lists);
        QFETCH(QString, box);
        QFETCH(bool, reloadClears);
        EditorDriver s;
        const QString path = s.fixture.romPath();
        const QByteArray before = s.bytes();
        const int row = atOpen ? 0 : 1;
        if (atOpen)
            QCOMPARE(breakReads(path), 1);
        Editors.value(form)(s);
        if (!atOpen) {
            QCOMPARE(breakReads(path), 1);
            s.clickRow(qPrintable(lists[0]), row);
        }
        QCOMPARE(s.platform.messages.size(), 1);
        QCOMPARE(s.platform.messages[0].text,
                 QStringLiteral("Could not read \"%1\": Bad file descriptor. The values shown are "
                                "not the file's; Apply is refused until they load again.")
                     .arg(path));
        QCOMPARE(s.platform.messages[0].icon, Platform::Icon::Critical);
        s.type(qPrintable(box), QStringLiteral("7"));
        s.apply();
        QCOMPARE(s.platform.messages.size(), 2);
        QCOMPARE(s.platform.messages[1].text, s.platform.messages[0].text);
        KALDRIS_COMPARE_IMAGE(s.bytes(), before);

        QCOMPARE(mendAccess(path), 1);
        for (const QString& list : lists) {
            s.clickRow(qPrintable(list), row + 1);
            s.clickRow(qPrintable(list), row);
        }
        s.type(qPrintable(box), QStringLiteral("7"));
        s.apply();
        QCOMPARE(s.platform.messages.size(), reloadClears ? 2 : 3);
        QCOMPARE(s.bytes() != before, reloadClears);
    }

    void boxesFitTheirCap() {
        SampleForm form;
        QVERIFY(showActive(form));
        for (NumericBox* box : {form.hp, form.strength, form.exp}) {
            const int text = box->fontMetrics().horizontalAdvance(QString::number(box->cap()));
            QVERIFY2(box->width() > text, qPrintable(box->objectName()));
        }
        grabIfAsked(form, QStringLiteral("editor_form"));
        form.duringApply = [&form] { grabIfAsked(form, QStringLiteral("editor_form_filling")); };
        button(form, "ApplyCMD")->click();
    }
};

QTEST_MAIN(TestEditorForm)
#include "test_editor_form.moc"
