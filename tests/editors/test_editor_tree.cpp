#include "editors/general/character_record.h"
#include "editors/general/name_tables.h"
#include "rom_fixture.h"
#include "widget_helpers.h"
#include "workspace/main_window.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

using namespace NameTables;

// Every editor node of the main window's tree, clicked with the mouse on an open
// ROM, opens its editor modally, titled with the name box's text and showing
// what the file holds.
class TestEditorTree : public QObject {
    Q_OBJECT
private slots:
    void nodeOpensItsEditor_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("control"); // a box, or a list whose first row is read
        QTest::addColumn<QString>("shown");
        QTest::newRow("monsters") << "Monster Stats"
                                  << "Monster Editor - "
                                  << "NameTXT" << QStringLiteral("Slime").leftJustified(16);
        QTest::newRow("characters") << "Character Stats"
                                    << "Character Editor - "
                                    << "CharLST" << QStringLiteral("Aldric").leftJustified(16);
        QTest::newRow("starting magic") << "Character Starting Magic"
                                        << "Character Magic Editor - "
                                        << "CharLST" << QStringLiteral("Aldric").leftJustified(16);
        QTest::newRow("equipment") << "Character Equipment"
                                   << "Equipment Editor - "
                                   << "WPNameTXT" << QStringLiteral("Dagger").leftJustified(12);
        QTest::newRow("text") << "Text Editor"
                              << "Text Editor - "
                              << "CharLST" << QStringLiteral("Aldric").leftJustified(8);
        QTest::newRow("attacks") << "Attack Editor"
                                 << "Attack Editor - "
                                 << "AttackNameTXT" << QStringLiteral("Flame").leftJustified(12);
        QTest::newRow("treasure") << "Treasure"
                                  << "Treasure Editor - "
                                  << "OffsetTXT"
                                  << "3B2CA";
        QTest::newRow("battlefields") << "Battlefields"
                                      << "Battlefield Editor - "
                                      << "BattlefieldLST"
                                      << "Level Forest Battlefield (North)";
    }
    void nodeOpensItsEditor() {
        QFETCH(QString, node);
        QFETCH(QString, title);
        QFETCH(QString, control);
        QFETCH(QString, shown);
        RomFixture fixture;
        fixture.setText(MonsterNameTable.offset(0), QStringLiteral("Slime"), 16);
        fixture.setText(CharacterRecord::record(0), QStringLiteral("Aldric"),
                        CharacterRecord::ListTextLength);
        fixture.setText(ItemNameTable.offset(0x20), QStringLiteral("Dagger"), 12);
        fixture.setText(AttackNameTable.offset(0), QStringLiteral("Flame"), 12);
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 main(platform, fixture.tablePath());
        main.LoadROM();
        QVERIFY(showActive(main));
        auto* tree = main.findChild<QTreeWidget*>(QStringLiteral("Tree"));
        const QList<QTreeWidgetItem*> found =
            tree->findItems(node, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);

        QString shownTitle, shownText;
        std::function<void()> closeEditor = [&] {
            auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!editor) {
                QTimer::singleShot(10, closeEditor);
                return;
            }
            shownTitle = editor->windowTitle();
            if (auto* box = editor->findChild<QLineEdit*>(control))
                shownText = box->text();
            else if (auto* list = editor->findChild<QListWidget*>(control))
                shownText = list->item(0)->text();
            editor->findChild<QPushButton*>(QStringLiteral("QuitCMD"))->click();
        };
        QTimer::singleShot(0, closeEditor);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(found[0]).center());
        QCOMPARE(shownTitle,
                 title + main.findChild<QLineEdit*>(QStringLiteral("iROMName"))->text());
        QCOMPARE(shownText, shown);
    }
};

QTEST_MAIN(TestEditorTree)
#include "test_editor_tree.moc"
