#include "editors/frame/numeric_box.h"
#include "widget_helpers.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTestEventList>
#include <QVBoxLayout>
#include <memory>

namespace {

// A box and a second control to leave it for, in an active window.
struct BoxWindow {
    QWidget window;
    NumericBox* box = new NumericBox(255, 3);
    QLineEdit* elsewhere = new QLineEdit;

    BoxWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(elsewhere);
    }
    void leave() { elsewhere->setFocus(Qt::TabFocusReason); }
};

QTestEventList keys(const QString& typed) {
    QTestEventList events;
    events.addKeyClicks(typed);
    return events;
}

QTestEventList keys(std::initializer_list<Qt::Key> pressed, const QString& typed = {}) {
    QTestEventList events;
    for (Qt::Key key : pressed)
        events.addKeyClick(key);
    events.addKeyClicks(typed);
    return events;
}

} // namespace

class TestNumericBox : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<BoxWindow> w;

    // Loads start, types the events into the focused box and returns the text then.
    QString typeInto(const QString& start, QTestEventList events) {
        w->box->setText(start);
        if (!focusBox(*w->box))
            return QStringLiteral("<no focus>");
        events.simulate(w->box);
        return w->box->text();
    }

private slots:
    void init() {
        w = std::make_unique<BoxWindow>();
        QVERIFY(showActive(w->window));
    }
    void cleanup() { w.reset(); }

    void typingAndLeaving_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QTestEventList>("events");
        QTest::addColumn<int>("cap");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("value");

        const QString none;
        QTest::newRow("letter dropped") << "12" << keys("a") << 255 << 3 << "12"
                                        << "12" << 12;
        QTest::newRow("minus dropped") << "12" << keys("-") << 255 << 3 << "12"
                                       << "12" << 12;
        QTest::newRow("dot dropped") << "12" << keys(".") << 255 << 3 << "12"
                                     << "12" << 12;
        QTest::newRow("blank dropped") << "12" << keys(" ") << 255 << 3 << "12"
                                       << "12" << 12;
        QTest::newRow("backspace dropped") << "12" << keys({Qt::Key_Backspace}) << 255 << 3 << "12"
                                           << "12" << 12;
        QTest::newRow("seven at the caret")
            << "12" << keys({Qt::Key_Home}, "7") << 999 << 3 << "712"
            << "712" << 712;
        QTest::newRow("arrows move the caret")
            << "12" << keys({Qt::Key_Left}, "3") << 999 << 3 << "132"
            << "132" << 132;
        QTest::newRow("delete empties, leaving gives 0")
            << "12" << keys({Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete}) << 255 << 3 << none
            << "0" << 0;
        QTest::newRow("over the cap") << none << keys("300") << 255 << 3 << "300"
                                      << "255" << 255;
        QTest::newRow("the cap itself") << none << keys("255") << 255 << 3 << "255"
                                        << "255" << 255;
        QTest::newRow("leading zeros kept") << none << keys("007") << 255 << 3 << "007"
                                            << "007" << 7;
        QTest::newRow("16-bit cap") << none << keys("65536") << 65535 << 5 << "65536"
                                    << "65535" << 65535;
        QTest::newRow("GP cap") << none << keys("2551") << 2550 << 4 << "2551"
                                << "2550" << 2550;
        QTest::newRow("typing stops at the limit") << none << keys("1234") << 65535 << 3 << "123"
                                                   << "123" << 123;
        QTest::newRow("loaded text shown whole") << "200" << QTestEventList() << 255 << 2 << "200"
                                                 << "200" << 200;
        QTest::newRow("full box takes no key")
            << "200" << keys({Qt::Key_Home}, "1") << 255 << 2 << "200"
            << "200" << 200;
        QTest::newRow("cleared box takes two")
            << "200" << keys({Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete, Qt::Key_Delete}, "123")
            << 255 << 2 << "12"
            << "12" << 12;
        QTest::newRow("a selection makes room") << "45" <<
            [] {
                QTestEventList events;
                events.addKeyClick(Qt::Key_Home, Qt::ShiftModifier);
                events.addKeyClicks("9");
                return events;
            }() << 255 << 2 << "9"
                                                << "9" << 9;
    }
    void typingAndLeaving() {
        QFETCH(QString, start);
        QFETCH(QTestEventList, events);
        QFETCH(int, cap);
        QFETCH(int, limit);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QFETCH(int, value);
        w->box->setCap(cap);
        w->box->setTypingLimit(limit);
        QCOMPARE(typeInto(start, events), typed);
        w->leave();
        QCOMPARE(w->box->text(), left);
        QCOMPARE(w->box->value(), value);
    }

    // A paste passes no key filter; leaving treats a non-number as an empty box.
    void pastedTextIsCorrectedOnLeaving_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("left");
        QTest::newRow("trailing letter") << "12a"
                                         << "0";
        QTest::newRow("negative") << "-5"
                                  << "0";
        QTest::newRow("leading blank") << " 7"
                                       << "0";
        QTest::newRow("fraction") << "3.5"
                                  << "0";
        QTest::newRow("other script digit") << QStringLiteral("\u0663") << "0";
        QTest::newRow("huge number") << "99999999999999999999"
                                     << "255";
        QTest::newRow("digits stay") << "0042"
                                     << "0042";
    }
    void pastedTextIsCorrectedOnLeaving() {
        QFETCH(QString, pasted);
        QFETCH(QString, left);
        w->box->clear();
        QVERIFY(focusBox(*w->box));
        w->box->insert(pasted);
        QCOMPARE(w->box->text(), pasted);
        w->leave();
        QCOMPARE(w->box->text(), left);
        QVERIFY(w->box->holdsNumber());
    }

    void nonNumberReadsAsZero() {
        w->box->setText(QStringLiteral("12a"));
        QVERIFY(!w->box->holdsNumber());
        QCOMPARE(w->box->value(), 0);
    }

    // Only a real move of the focus corrects: a context menu opening on the box
    // or the window losing activation leaves the text for the user to go on with.
    void correctionOnFocusOut_data() {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<QString>("left");
        QTest::newRow("tab") << Qt::TabFocusReason << "255";
        QTest::newRow("mouse") << Qt::MouseFocusReason << "255";
        QTest::newRow("other") << Qt::OtherFocusReason << "255";
        QTest::newRow("popup") << Qt::PopupFocusReason << "300";
        QTest::newRow("window") << Qt::ActiveWindowFocusReason << "300";
    }
    void correctionOnFocusOut() {
        QFETCH(Qt::FocusReason, reason);
        QFETCH(QString, left);
        w->box->setText(QStringLiteral("300"));
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(w->box, &out);
        QCOMPARE(w->box->text(), left);
    }

    void earlyCapInTheKeyFilter_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QTestEventList>("events");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        const QString none;
        QTest::newRow("256 can stand") << none << keys("256") << "256"
                                       << "255";
        QTest::newRow("next key caps and is lost") << none << keys("2561") << "255"
                                                   << "255";
        QTest::newRow("refused key caps too") << "300" << keys("a") << "255"
                                              << "255";
        QTest::newRow("backspace caps too") << "300" << keys({Qt::Key_Backspace}) << "255"
                                            << "255";
        QTest::newRow("arrow types nothing") << "300" << keys({Qt::Key_Left}) << "300"
                                             << "255";
        QTest::newRow("empty text left alone")
            << "12" << keys({Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete}, "7") << "7"
            << "7";
        QTest::newRow("capped text loses the selection") << "256" <<
            [] {
                QTestEventList events;
                events.addKeyClick(Qt::Key_Home, Qt::ShiftModifier);
                events.addKeyClicks("1");
                return events;
            }() << "255"
                                                         << "255";
        QTest::newRow("no number left alone") << "ab" << keys("1") << "ab1"
                                              << "0";
    }
    void earlyCapInTheKeyFilter() {
        QFETCH(QString, start);
        QFETCH(QTestEventList, events);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        w->box->setCapOnKey(true);
        QCOMPARE(typeInto(start, events), typed);
        w->leave();
        QCOMPARE(w->box->text(), left);
    }

    void capOnEveryChange() {
        QStringList seen;
        connect(w->box, &QLineEdit::textChanged, w->box, [&] { seen << w->box->text(); });
        w->box->setCapOnChange(true);
        w->box->setText(QStringLiteral("300"));
        QCOMPARE(w->box->text(), QStringLiteral("255"));
        QCOMPARE(seen.last(), QStringLiteral("255"));
        QCOMPARE(typeInto(QString(), keys("25")), QStringLiteral("25"));
        QTest::keyClicks(w->box, QStringLiteral("6"));
        QCOMPARE(w->box->text(), QStringLiteral("255"));
        QCOMPARE(seen.last(), QStringLiteral("255"));
    }

    // The treasure editor's consumable boxes cap early at 99 and only fill an empty
    // box on leaving; the battlefield's component boxes have a rule of their own.
    void ownLeaveRule_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QTestEventList>("events");
        QTest::addColumn<QString>("left");
        QTest::newRow("loaded 150 stays") << "150" << QTestEventList() << "150";
        QTest::newRow("a key caps 150") << "150" << keys("x") << "99";
        QTest::newRow("empty gives 0") << "5" << keys({Qt::Key_Home, Qt::Key_Delete}) << "0";
        QTest::newRow("pasted text gives 0") << "a" << QTestEventList() << "0";
    }
    void ownLeaveRule() {
        QFETCH(QString, start);
        QFETCH(QTestEventList, events);
        QFETCH(QString, left);
        w->box->setCap(99);
        w->box->setTypingLimit(2);
        w->box->setCapOnKey(true);
        w->box->setLeaveRule([](NumericBox& box) { box.emptyToZero(); });
        typeInto(start, events);
        w->leave();
        QCOMPARE(w->box->text(), left);
    }

    void leaveRuleCanBeRemoved() {
        int runs = 0;
        w->box->setLeaveRule([&runs](NumericBox&) { ++runs; });
        w->box->setText(QStringLiteral("300"));
        w->box->correct();
        QCOMPARE(runs, 1);
        QCOMPARE(w->box->text(), QStringLiteral("300"));
        w->box->setLeaveRule({});
        w->box->correct();
        QCOMPARE(runs, 1);
        QCOMPARE(w->box->text(), QStringLiteral("255"));
    }

    // A name box's limit counts characters as the user sees them, typed or composed.
    void typingLimitCountsCharacters_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("composed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("added");
        const QString emoji = QString::fromUtf8("\U0001F600");
        QTest::newRow("emoji fills the last place") << 15 << false << emoji << emoji;
        QTest::newRow("emoji past the limit") << 16 << false << emoji << QString();
        QTest::newRow("composed emoji is one place") << 15 << true << emoji + "Z" << emoji;
        QTest::newRow("composed into a full box") << 16 << true << "X" << QString();
    }
    void typingLimitCountsCharacters() {
        QFETCH(int, held);
        QFETCH(bool, composed);
        QFETCH(QString, typed);
        QFETCH(QString, added);
        TextBox* name = new TextBox;
        name->setTypingLimit(16);
        w->window.layout()->addWidget(name);
        name->show();
        const QString start(held, QLatin1Char('A'));
        name->setText(start);
        QVERIFY(focusBox(*name));
        if (composed) {
            QInputMethodEvent event;
            event.setCommitString(typed);
            QApplication::sendEvent(name, &event);
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
            QApplication::sendEvent(name, &press);
        }
        QCOMPARE(name->text(), start + added);
    }
};

QTEST_MAIN(TestNumericBox)
#include "test_numeric_box.moc"
