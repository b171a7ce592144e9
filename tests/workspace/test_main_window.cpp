#include "editors/frame/text_box.h"
#include "rom_fixture.h"
#include "widget_helpers.h"
#include "workspace/about_box.h"
#include "workspace/main_window.h"
#include "workspace/program_info.h"
#include "workspace/rom_header.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <functional>

using RomHeader::NameOffset;
using RomHeader::VersionOffset;

namespace {

const QString LoadFailure = QStringLiteral("So you want to load a ROM or what?");
const QString HeaderMessage = QStringLiteral("You will need a 512 byte header when editing the "
                                             "Kaldris ROM.  The application will now close.");
const QString DataFileMessage =
    QStringLiteral("You are missing a vital data file, you will need to reinstall the program to "
                   "fix this error.  This application will now close.");

// The window's close box reaches closeEvent through Qt's own frames; the test calls it directly
// so that the fake's exception unwinds through our code only.
class TestableForm1 : public Form1 {
public:
    using Form1::closeEvent;
    using Form1::Form1;
};

// Lets a test look at the window at the moment the open dialog is shown.
class ObservingPlatform : public FakePlatform {
public:
    std::function<void()> onDialog;
    std::optional<QString> openFileDialog(const QString& filter, int selectedFilter) override {
        if (onDialog)
            onDialog();
        return FakePlatform::openFileDialog(filter, selectedFilter);
    }
};

template <class T> T* control(QObject& form, const char* name) {
    return form.findChild<T*>(QLatin1String(name));
}

QTreeWidget* tree(Form1& form) {
    return control<QTreeWidget>(form, "Tree");
}
TextBox* nameBox(Form1& form) {
    return control<TextBox>(form, "iROMName");
}
TextBox* versionBox(Form1& form) {
    return control<TextBox>(form, "ROMVersionTXT");
}
QLabel* sizeLabel(Form1& form) {
    return control<QLabel>(form, "ROMFileSizeLBL");
}
QCheckBox* expandBox(Form1& form) {
    return control<QCheckBox>(form, "ExpandCHK");
}
QAction* action(Form1& form, const char* name) {
    return control<QAction>(form, name);
}

QColor textColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// The tree's nodes in index order.
QList<QTreeWidgetItem*> nodes(Form1& form) {
    QList<QTreeWidgetItem*> out;
    for (QTreeWidgetItemIterator it(tree(form)); *it; ++it)
        out << *it;
    return out;
}

QTreeWidgetItem* node(Form1& form, const QString& text) {
    for (QTreeWidgetItem* item : nodes(form)) {
        if (item->text(0) == text)
            return item;
    }
    return nullptr;
}

int expandedNodes(Form1& form) {
    int n = 0;
    for (QTreeWidgetItem* item : nodes(form))
        n += item->isExpanded() ? 1 : 0;
    return n;
}

void setName(RomFixture& fixture, const QByteArray& name) {
    for (int i = 0; i < RomHeader::NameLength; ++i)
        fixture.setByte(NameOffset + i, static_cast<std::uint8_t>(name.leftJustified(22, ' ')[i]));
}

bool sameMessage(const FakePlatform::Message& m, const QString& text, const QString& caption,
                 Platform::Icon icon) {
    return m.text == text && m.caption == caption && m.icon == icon;
}

// Every row of the state table in the closed state, as after CloseROM.
void verifyClosedState(Form1& form, const QColor& sizeColour) {
    QVERIFY(!form.rom().isOpen());
    QCOMPARE(form.windowTitle(), QStringLiteral("Kaldris Mutli Editor (v1.7b)"));
    QVERIFY(!tree(form)->isEnabled());
    QCOMPARE(expandedNodes(form), 0);
    QVERIFY(!expandBox(form)->isEnabled());
    QVERIFY(!expandBox(form)->isChecked());
    QCOMPARE(nameBox(form)->text(), QStringLiteral("N/A"));
    QVERIFY(nameBox(form)->isReadOnly());
    QCOMPARE(versionBox(form)->text(), QStringLiteral("XX"));
    QVERIFY(!versionBox(form)->isEnabled());
    QCOMPARE(sizeLabel(form)->text(), QStringLiteral("0"));
    QCOMPARE(textColour(sizeLabel(form)), sizeColour);
    QVERIFY(!action(form, "mnuClose")->isEnabled());
    QVERIFY(!action(form, "mnuSave")->isEnabled());
}

const QColor DarkBlue(0, 0, 0xC0);
const QColor Red(0xFF, 0, 0);
const QColor Black(0, 0, 0);

// Opened by the tree through a test's own editor table.
QStringList openedEditors;
QStringList editorCaptions;
void recordEditor(const char* name, const EditorContext& context) {
    openedEditors << QString::fromLatin1(name);
    editorCaptions << context.romName;
    QVERIFY(context.rom.isOpen());
}
void openMonsters(const EditorContext& c) {
    recordEditor("Monster Stats", c);
}
void openTreasure(const EditorContext& c) {
    recordEditor("Treasure", c);
}

void clickNode(Form1& form, const QString& text) {
    QTreeWidgetItem* item = node(form, text);
    QVERIFY(item);
    QTest::mouseClick(tree(form)->viewport(), Qt::LeftButton, {},
                      tree(form)->visualItemRect(item).center());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() {
        openedEditors.clear();
        editorCaptions.clear();
    }

    void missingDataFileEndsTheProgram_data() {
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("no file") << false;
        QTest::newRow("a folder of that name") << true;
    }
    void missingDataFileEndsTheProgram() {
        QFETCH(bool, asFolder);
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("vx.tbl"));
        if (asFolder)
            QVERIFY(QDir().mkdir(table));
        FakePlatform platform;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, [&] { TestableForm1 form(platform, table); }());
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(sameMessage(platform.messages[0], DataFileMessage, QStringLiteral("TORVEL"),
                            Platform::Icon::Critical));
        QCOMPARE(platform.endStatuses, QList<int>{1});
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void startState() {
        RomFixture fixture;
        FakePlatform platform;
        Form1 form(platform, fixture.tablePath());
        verifyClosedState(form, DarkBlue);
        QVERIFY(platform.messages.isEmpty());

        struct Caption {
            const char* name;
            QString text;
        };
        for (const Caption& c : {Caption{"Label1", QStringLiteral("ROM Name:")},
                                 Caption{"Label6", QStringLiteral("ROM Version:")},
                                 Caption{"ROMVersionLBL", QStringLiteral("1.")},
                                 Caption{"Label3", QStringLiteral("File Size in Bytes:")},
                                 Caption{"InfoLBL", QStringLiteral("Single click to select the "
                                                                   "editor you want to use.")}}) {
            QLabel* label = control<QLabel>(form, c.name);
            QVERIFY2(label, c.name);
            QCOMPARE(label->text(), c.text);
        }
        QCOMPARE(control<QGroupBox>(form, "Frame2")->title(), QStringLiteral("ROM Information:"));
        QCOMPARE(control<QLabel>(form, "ROMVersionLBL")->toolTip(),
                 QStringLiteral("Shows the ROM's header type."));
        QCOMPARE(control<QPushButton>(form, "OpenCMD")->text(), QStringLiteral("Open..."));
        QCOMPARE(control<QPushButton>(form, "QuitCMD")->text(), QStringLiteral("Quit"));
        QVERIFY(control<QPushButton>(form, "OpenCMD")->isEnabled());
        QVERIFY(control<QPushButton>(form, "QuitCMD")->isEnabled());
        QCOMPARE(expandBox(form)->text(), QStringLiteral("Expand all Items in Tree"));
        QCOMPARE(expandBox(form)->toolTip(),
                 QStringLiteral("Expands all of the items in the left TreeView box."));
        QVERIFY(!control<QLabel>(form, "Label2")->text().isEmpty());
        QCOMPARE(control<QLabel>(form, "Image1")->pixmap().size(), QSize(191, 51));
        QCOMPARE(control<QLabel>(form, "InfoIMG")->pixmap().size(), QSize(16, 16));
        QVERIFY(!form.windowIcon().isNull());

        // typing limits, never QLineEdit's maxLength (it would cut loaded text)
        QCOMPARE(nameBox(form)->typingLimit(), 22);
        QVERIFY(!nameBox(form)->digitsOnly());
        QCOMPARE(versionBox(form)->typingLimit(), 2);
        QVERIFY(versionBox(form)->digitsOnly());
        QCOMPARE(nameBox(form)->maxLength(), 32767);
        QCOMPARE(versionBox(form)->maxLength(), 32767);
        // labels name their controls for a screen reader
        QCOMPARE(control<QLabel>(form, "Label1")->buddy(), nameBox(form));
        QCOMPARE(control<QLabel>(form, "Label6")->buddy(), versionBox(form));
    }

    void treeHasTheTenNodes() {
        RomFixture fixture;
        FakePlatform platform;
        Form1 form(platform, fixture.tablePath());
        struct Node {
            QString key, text, parent;
        };
        const QList<Node> expected{
            {"c1", "General Data", ""},
            {"StatsE", "Monster Stats", "c1"},
            {"StatsC", "Character Stats", "c1"},
            {"EquipmentC", "Character Equipment", "c1"},
            {"MagicC", "Character Starting Magic", "c1"},
            {"Attack", "Attack Editor", "c1"},
            {"Text", "Text Editor", "c1"},
            {"m1", "Map Data", ""},
            {"Battlefields", "Battlefields", "m1"},
            {"TreasureIndexes", "Treasure", "m1"},
        };
        const QList<QTreeWidgetItem*> items = nodes(form);
        QCOMPARE(items.size(), expected.size());
        QCOMPARE(tree(form)->topLevelItemCount(), 2);
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i]->data(0, Qt::UserRole).toString(), expected[i].key);
            QCOMPARE(items[i]->text(0), expected[i].text);
            const QString parent = items[i]->parent()
                                       ? items[i]->parent()->data(0, Qt::UserRole).toString()
                                       : QString();
            QCOMPARE(parent, expected[i].parent);
            QVERIFY(items[i]->icon(0).isNull());
            QVERIFY(!items[i]->isExpanded());
        }
    }

    void menus() {
        RomFixture fixture;
        FakePlatform platform;
        Form1 form(platform, fixture.tablePath());
        auto* file = control<QMenu>(form, "mnuFile");
        auto* help = control<QMenu>(form, "mnuHelp");
        QVERIFY(file && help);
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QCOMPARE(help->title(), QStringLiteral("&Help"));
        QCOMPARE(form.menuBar()->actions(),
                 (QList<QAction*>{file->menuAction(), help->menuAction()}));

        struct Item {
            const char* name;
            QString caption;
            QKeySequence shortcut;
            bool enabled;
        };
        const QList<Item> fileItems{
            {"mnuOpen", "&Open ROM", QKeySequence(Qt::CTRL | Qt::Key_O), true},
            {"mnuClose", "&Close ROM", QKeySequence(Qt::CTRL | Qt::Key_E), false},
            {"mnuSave", "&Save ROM", QKeySequence(Qt::CTRL | Qt::Key_S), false},
            {"mnuSep1", "", QKeySequence(), true},
            {"mnuQuit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), true},
        };
        const QList<Item> helpItems{
            {"mnuAbout", "&About...", QKeySequence(Qt::Key_F1), true},
            {"mnuSep2", "", QKeySequence(), true},
            {"mnuTips", "&Tips", QKeySequence(Qt::Key_F2), false},
            {"mnuInfo", "&Info", QKeySequence(Qt::Key_F3), false},
            {"mnuWWW", "&WWW", QKeySequence(Qt::Key_F4), true},
        };
        for (const auto& [menu, items] : {std::pair{file, fileItems}, std::pair{help, helpItems}}) {
            const QList<QAction*> actions = menu->actions();
            QCOMPARE(actions.size(), items.size());
            for (int i = 0; i < items.size(); ++i) {
                QCOMPARE(actions[i]->objectName(), QLatin1String(items[i].name));
                QCOMPARE(actions[i]->isSeparator(), items[i].caption.isEmpty());
                QCOMPARE(actions[i]->text(), items[i].caption);
                QCOMPARE(actions[i]->shortcut(), items[i].shortcut);
                QCOMPARE(actions[i]->isEnabled(), items[i].enabled);
            }
        }
    }

    void openAsksWithTheRomFilter() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.LoadROM();
        QCOMPARE(platform.dialogRequests.size(), 1);
        QCOMPARE(platform.dialogRequests[0].filter,
                 QStringLiteral("All Files (*.*)|*.*|All SNES ROM Files (*.swc, *.smc, *.fig)|"
                                "*.smc;*.swc;*.fig|Super MagiCom ROM File (*.smc)|*.smc|Super Wild "
                                "Card ROM File (*.swc)|*.swc|Super UFO 8/Pro Fighter X ROM File "
                                "(*.fig)|*.fig"));
        QCOMPARE(platform.dialogRequests[0].selectedFilter, 2);
    }

    void sizeRule_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("524288: no header") << qint64{524288} << true << QString() << QColor();
        QTest::newRow("1048576: no header") << qint64{1048576} << true << QString() << QColor();
        QTest::newRow("524800: not expanded")
            << qint64{524800} << false << QStringLiteral("524800 (ROM has not been expanded)")
            << DarkBlue;
        QTest::newRow("1049088: expanded")
            << qint64{1049088} << false << QStringLiteral("1049088 (ROM has been expanded)") << Red;
        QTest::newRow("524801: accepted, shows nothing")
            << qint64{524801} << false << QStringLiteral("0") << Black;
    }
    void sizeRule() {
        QFETCH(qint64, size);
        QFETCH(bool, refused);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        RomFixture fixture(syntheticRomImage(size));
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        if (refused) {
            QVERIFY_THROWS_EXCEPTION(ProgramEnded, form.LoadROM());
            QCOMPARE(platform.messages.size(), 1);
            QVERIFY(sameMessage(platform.messages[0], HeaderMessage,
                                QStringLiteral("Cannot open ROM for editing"),
                                Platform::Icon::Exclamation));
            QCOMPARE(platform.endStatuses, QList<int>{1});
            // the file is closed as the program ends
            QVERIFY(!form.rom().isOpen());
            QCOMPARE(sizeLabel(form)->text(), QStringLiteral("0"));
        } else {
            form.LoadROM();
            QVERIFY(platform.messages.isEmpty());
            QVERIFY(platform.endStatuses.isEmpty());
            QVERIFY(form.rom().isOpen());
            QCOMPARE(sizeLabel(form)->text(), text);
            QCOMPARE(textColour(sizeLabel(form)), colour);
        }
    }

    void readOnlyFileCannotBeOpened() {
        RomFixture fixture;
        makeReadOnly(fixture);
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        {
            ActAsOrdinaryUser user;
            form.LoadROM();
        }
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(sameMessage(platform.messages[0], LoadFailure, QStringLiteral("WTF"),
                            Platform::Icon::Question));
        verifyClosedState(form, Black);
    }

    // A cancel takes the failure path, also when a file was chosen before: no path is kept.
    void cancelledDialogTakesTheFailurePath_data() {
        QTest::addColumn<bool>("openedBefore");
        QTest::newRow("nothing chosen before") << false;
        QTest::newRow("a file chosen before") << true;
    }
    void cancelledDialogTakesTheFailurePath() {
        QFETCH(bool, openedBefore);
        RomFixture fixture;
        FakePlatform platform;
        Form1 form(platform, fixture.tablePath());
        if (openedBefore) {
            platform.dialogAnswers << fixture.romPath();
            form.LoadROM();
            QVERIFY(form.rom().isOpen());
        }
        platform.dialogAnswers << std::nullopt;
        form.LoadROM();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(sameMessage(platform.messages[0], LoadFailure, QStringLiteral("WTF"),
                            Platform::Icon::Question));
        QVERIFY(platform.endStatuses.isEmpty());
        verifyClosedState(form, Black);
    }

    void openShowsTheRom() {
        RomFixture fixture;
        setName(fixture, QByteArray("KALDRIS \xC6GIS"));
        fixture.setByte(VersionOffset, 5);
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        const QByteArray before = fixture.bytes();
        form.LoadROM();
        const QString name =
            QString::fromLatin1(QByteArray("KALDRIS \xC6GIS").leftJustified(22, ' '));
        QCOMPARE(nameBox(form)->text(), name);
        QVERIFY(!nameBox(form)->isReadOnly());
        QCOMPARE(form.windowTitle(), QStringLiteral("Kaldris Mutli Editor (v1.7b) - ") + name);
        QCOMPARE(versionBox(form)->text(), QStringLiteral("5"));
        QVERIFY(versionBox(form)->isEnabled());
        QVERIFY(expandBox(form)->isEnabled());
        QVERIFY(expandBox(form)->isChecked());
        QVERIFY(tree(form)->isEnabled());
        QCOMPARE(expandedNodes(form), 10);
        QVERIFY(action(form, "mnuClose")->isEnabled());
        QVERIFY(action(form, "mnuSave")->isEnabled());
        QVERIFY(!action(form, "mnuTips")->isEnabled());
        QVERIFY(!action(form, "mnuInfo")->isEnabled());
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), before);
    }

    void saveThreeCharacterName() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.LoadROM();
        QByteArray expected = fixture.bytes();
        nameBox(form)->selectAll();
        QTest::keyClicks(nameBox(form), QStringLiteral("Abc"));
        QCOMPARE(nameBox(form)->text(), QStringLiteral("Abc"));
        form.SaveROM();
        putBytes(expected, NameOffset, QByteArray("Abc") + QByteArray(19, ' '));
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
        const QString shown = QStringLiteral("Abc") + QString(19, QLatin1Char(' '));
        QCOMPARE(nameBox(form)->text(), shown);
        QCOMPARE(form.windowTitle(), ProgramInfo::openTitle(shown));
        QVERIFY(platform.messages.isEmpty());
    }

    void pastedLongNameWritesOnlyTheField() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.LoadROM();
        QByteArray expected = fixture.bytes();
        nameBox(form)->setText(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"));
        form.SaveROM();
        putBytes(expected, NameOffset, QByteArray("ABCDEFGHIJKLMNOPQRSTUV"));
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
        QCOMPARE(nameBox(form)->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUV"));
    }

    void saveVersionSeven() {
        RomFixture fixture;
        fixture.setByte(VersionOffset, 0x42);
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.LoadROM();
        QByteArray expected = fixture.bytes();
        versionBox(form)->setText(QStringLiteral("7"));
        form.SaveROM();
        putByte(expected, VersionOffset, 0x07);
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
        QCOMPARE(versionBox(form)->text(), QStringLiteral("7"));
    }

    void versionThatIsNoNumberLeavesTheByte_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("pasted letters") << QStringLiteral("ab");
        QTest::newRow("256") << QStringLiteral("256");
        QTest::newRow("digit and letter") << QStringLiteral("1x");
    }
    void versionThatIsNoNumberLeavesTheByte() {
        QFETCH(QString, text);
        RomFixture fixture;
        fixture.setByte(VersionOffset, 0x42);
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.LoadROM();
        const QByteArray before = fixture.bytes();
        versionBox(form)->setText(text);
        form.SaveROM();
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), before);
        QCOMPARE(versionBox(form)->text(), QStringLiteral("66"));
    }

    // Saving unchanged boxes changes no byte, for every version byte and every name byte.
    void saveUnchangedChangesNothing_data() {
        QTest::addColumn<int>("first"); // name bytes first..first+21, version byte first
        for (int first = 0; first < 256; first += 22)
            QTest::addRow("bytes %d..", first) << first;
        QTest::newRow("version 100") << 100;
        QTest::newRow("version 255") << 255;
    }
    void saveUnchangedChangesNothing() {
        QFETCH(int, first);
        RomFixture fixture;
        QByteArray name(22, '\0');
        for (int i = 0; i < 22; ++i)
            name[i] = static_cast<char>((first + i) & 0xFF);
        setName(fixture, name);
        fixture.setByte(VersionOffset, static_cast<std::uint8_t>(first));
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.LoadROM();
        // a version of three digits is shown whole
        QCOMPARE(versionBox(form)->text(), QString::number(first));
        const QByteArray before = fixture.bytes();
        form.SaveROM();
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), before);
        QCOMPARE(versionBox(form)->text(), QString::number(first));
    }

    void closeResetsEveryControl_data() {
        QTest::addColumn<bool>("openFirst");
        QTest::newRow("a ROM open") << true;
        QTest::newRow("no ROM open") << false;
    }
    void closeResetsEveryControl() {
        QFETCH(bool, openFirst);
        RomFixture fixture(syntheticRomImage(1049088));
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        if (openFirst) {
            form.LoadROM();
            QVERIFY(form.rom().isOpen());
        }
        const QByteArray before = fixture.bytes();
        form.CloseROM();
        verifyClosedState(form, Black);
        QVERIFY(platform.messages.isEmpty());
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), before);
    }

    void secondOpenClosesTheFirst() {
        RomFixture first;
        setName(first, "FIRST");
        RomFixture second(syntheticRomImage(1049088, 7));
        setName(second, "SECOND");
        ObservingPlatform platform;
        platform.dialogAnswers << first.romPath() << second.romPath();
        Form1 form(platform, first.tablePath());
        form.LoadROM();
        QCOMPARE(nameBox(form)->text(), QStringLiteral("FIRST").leftJustified(22));
        bool closedAtDialog = false;
        platform.onDialog = [&] {
            closedAtDialog =
                !form.rom().isOpen() && nameBox(form)->text() == QLatin1String("N/A") &&
                form.windowTitle() == ProgramInfo::closedTitle() && !tree(form)->isEnabled();
        };
        form.LoadROM();
        QVERIFY(closedAtDialog);
        QCOMPARE(nameBox(form)->text(), QStringLiteral("SECOND").leftJustified(22));
        QCOMPARE(sizeLabel(form)->text(), QStringLiteral("1049088 (ROM has been expanded)"));
        QVERIFY(platform.messages.isEmpty());
    }

    void expandCheckBoxExpandsAndCollapses() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.LoadROM();
        QCOMPARE(expandedNodes(form), 10);
        // on the box itself: the widget may be wider than its box and caption
        const QPoint onTheBox(6, expandBox(form)->height() / 2);
        QTest::mouseClick(expandBox(form), Qt::LeftButton, {}, onTheBox);
        QVERIFY(!expandBox(form)->isChecked());
        QCOMPARE(expandedNodes(form), 0);
        QTest::mouseClick(expandBox(form), Qt::LeftButton, {}, onTheBox);
        QVERIFY(expandBox(form)->isChecked());
        QCOMPARE(expandedNodes(form), 10);
    }

    void versionBoxKeyFilter() {
        RomFixture fixture;
        fixture.setByte(VersionOffset, 5);
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.LoadROM();
        TextBox* box = versionBox(form);
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key_A);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("5"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_7);
        QCOMPARE(box->text(), QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_3);
        QTest::keyClick(box, Qt::Key_4); // the box holds two characters
        QCOMPARE(box->text(), QStringLiteral("73"));
    }

    // Quit ends the program at once and saves nothing, the edited name included.
    void quitEndsWithNothingSaved_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu") << QStringLiteral("menu");
        QTest::newRow("button") << QStringLiteral("button");
        QTest::newRow("close box") << QStringLiteral("close box");
    }
    void quitEndsWithNothingSaved() {
        QFETCH(QString, how);
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        TestableForm1 form(platform, fixture.tablePath());
        form.LoadROM();
        const QByteArray before = fixture.bytes();
        nameBox(form)->setText(QStringLiteral("EDITED"));
        versionBox(form)->setText(QStringLiteral("9"));
        // signals are emitted directly, so the exception never unwinds through Qt's widget code
        if (how == QLatin1String("menu")) {
            QVERIFY_THROWS_EXCEPTION(ProgramEnded, emit action(form, "mnuQuit")->triggered());
        } else if (how == QLatin1String("button")) {
            QVERIFY_THROWS_EXCEPTION(ProgramEnded,
                                     emit control<QPushButton>(form, "QuitCMD")->clicked());
        } else {
            QCloseEvent event;
            QVERIFY_THROWS_EXCEPTION(ProgramEnded, form.closeEvent(&event));
        }
        QCOMPARE(platform.endStatuses, QList<int>{0});
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(!form.rom().isOpen());
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), before);
    }

    void menuItemsAndButtonsRunTheirProcedures() {
        RomFixture fixture;
        FakePlatform platform;
        Form1 form(platform, fixture.tablePath());
        platform.dialogAnswers << fixture.romPath();
        action(form, "mnuOpen")->trigger();
        QVERIFY(form.rom().isOpen());
        action(form, "mnuClose")->trigger();
        verifyClosedState(form, Black);
        platform.dialogAnswers << fixture.romPath();
        control<QPushButton>(form, "OpenCMD")->click();
        QVERIFY(form.rom().isOpen());
        QCOMPARE(platform.dialogRequests.size(), 2);
        QByteArray expected = fixture.bytes();
        versionBox(form)->setText(QStringLiteral("12"));
        action(form, "mnuSave")->trigger();
        putByte(expected, VersionOffset, 12);
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
        action(form, "mnuWWW")->trigger();
        QCOMPARE(platform.openedPages, QStringList{QString::fromLatin1(ProgramInfo::HomePageUrl)});
        QVERIFY(platform.messages.isEmpty());
    }

    // A menu shortcut acts whatever box has the focus; on X11 a line edit would
    // take Ctrl+E as "end of line" and the ROM would stay open.
    void menuShortcutsWinOverBoxKeys_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        for (const char* box : {"iROMName", "ROMVersionTXT"}) {
            QTest::addRow("%s Ctrl+E", box) << box << int(Qt::Key_E);
            QTest::addRow("%s Ctrl+O", box) << box << int(Qt::Key_O);
            QTest::addRow("%s Ctrl+S", box) << box << int(Qt::Key_S);
        }
    }
    void menuShortcutsWinOverBoxKeys() {
        QFETCH(QString, box);
        QFETCH(int, key);
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath() << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        QVERIFY(showActive(form));
        form.LoadROM();
        QByteArray expected = fixture.bytes();
        auto* focused = control<TextBox>(form, qPrintable(box));
        QTest::mouseClick(focused, Qt::LeftButton, {}, QPoint(4, focused->height() / 2));
        QVERIFY(focused->hasFocus());
        QTest::keyClick(focused, Qt::Key_Home);
        QTest::keyClick(focused, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(focused, Qt::Key_Delete);
        QTest::keyClicks(focused, QStringLiteral("9"));
        QTest::keyClick(focused, static_cast<Qt::Key>(key), Qt::ControlModifier);
        switch (key) {
        case Qt::Key_E:
            QVERIFY(!form.rom().isOpen());
            QCOMPARE(nameBox(form)->text(), QStringLiteral("N/A"));
            break;
        case Qt::Key_O:
            QCOMPARE(platform.dialogRequests.size(), 2);
            break;
        case Qt::Key_S:
            if (box == QStringLiteral("iROMName"))
                putBytes(expected, NameOffset, QByteArray("9").leftJustified(22, ' '));
            else
                putByte(expected, VersionOffset, 9);
            KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
            break;
        }
    }

    // A screen reader reads the size label's value; its caption names it.
    void sizeValueIsReadAsItsText() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.LoadROM();
        QAccessibleInterface* value = QAccessible::queryAccessibleInterface(sizeLabel(form));
        QVERIFY(value);
        QCOMPARE(value->text(QAccessible::Name),
                 QStringLiteral("524800 (ROM has not been expanded)"));
        QCOMPARE(control<QLabel>(form, "Label3")->buddy(), sizeLabel(form));
    }

    // "[*]" in a ROM name is shown as it stands, not taken for the modified marker.
    void titleShowsTheNameAsStored() {
        RomFixture fixture;
        setName(fixture, QByteArray("AB[*]CD"));
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        QVERIFY(showActive(form));
        form.LoadROM();
        QVERIFY2(form.windowHandle()->title().contains(QStringLiteral(" - AB[*]CD")),
                 qPrintable(form.windowHandle()->title()));
    }

    // A save the drive refuses is told once, naming the file.
    void failedSaveIsTold() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.LoadROM();
        QCOMPARE(breakWrites(fixture.romPath()), 1);
        action(form, "mnuSave")->trigger();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.contains(fixture.romPath()));
        QVERIFY(form.isEnabled());
    }

    // A header read back unread after a Save is told once; Save then writes
    // nothing, reads working or not, until the ROM is opened again.
    void unreadHeaderIsNotSaved() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath() << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        QVERIFY(showActive(form));
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(breakReads(fixture.romPath()), 1);
        const auto save = [&](const QString& name) {
            QTest::mouseClick(nameBox(form), Qt::LeftButton, {}, QPoint(4, 4));
            QTest::keyClick(nameBox(form), Qt::Key_End, Qt::ShiftModifier);
            QTest::keyClicks(nameBox(form), name);
            QTest::keyClick(nameBox(form), Qt::Key_S, Qt::ControlModifier);
        };
        save(QStringLiteral("Abc"));
        const QByteArray saved = fixture.bytes();
        QCOMPARE(mendAccess(fixture.romPath()), 1);
        save(QStringLiteral("Abc"));
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages[0].text,
                 QStringLiteral("Could not read \"%1\": Bad file descriptor. The name and version "
                                "shown are not the file's; Save ROM is refused until the ROM is "
                                "opened again.")
                     .arg(fixture.romPath()));
        QCOMPARE(platform.messages[1].text, platform.messages[0].text);
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), saved);

        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        save(QStringLiteral("Def"));
        QCOMPARE(platform.messages.size(), 2);
        QVERIFY(fixture.bytes() != saved);
    }

    // The other changes on disk take the same check as Apply (monster editor test).
    void cutShortImageIsNotSaved() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        QVERIFY(showActive(form));
        form.LoadROM();
        QTest::mouseClick(nameBox(form), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::keyClick(nameBox(form), Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClicks(nameBox(form), QStringLiteral("Abc"));
        changeOnDisk(fixture, QStringLiteral("truncated"));
        const QByteArray atPath = fixture.bytes();
        QTest::keyClick(nameBox(form), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.contains(fixture.romPath()));
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), atPath);
        QCOMPARE(nameBox(form)->text(), QStringLiteral("Abc"));
    }

    void aboutShowsModally_data() {
        QTest::addColumn<bool>("romOpen");
        QTest::newRow("no ROM open") << false;
        QTest::newRow("a ROM open") << true;
    }
    void aboutShowsModally() {
        QFETCH(bool, romOpen);
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        if (romOpen)
            form.LoadROM();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString shownTitle;
        bool modal = false;
        std::function<void()> closeAbout = [&] {
            auto* about = qobject_cast<About*>(QApplication::activeModalWidget());
            if (about == nullptr) {
                QTimer::singleShot(10, closeAbout);
                return;
            }
            shownTitle = about->windowTitle();
            modal = about->isModal();
            about->findChild<QPushButton*>(QStringLiteral("CloseCMD"))->click();
        };
        QTimer::singleShot(0, closeAbout);
        action(form, "mnuAbout")->trigger(); // returns when the About box is closed
        QCOMPARE(shownTitle, QStringLiteral("About this Program..."));
        QVERIFY(modal);
        QCOMPARE(form.rom().isOpen(), romOpen);
        QVERIFY(form.findChildren<About*>().isEmpty()); // unloaded when it closed
    }

    void treeOpensTheEditorOfTheClickedNode() {
        static constexpr EditorEntry table[]{
            {"Monster Stats", &openMonsters},
            {"Treasure", &openTreasure},
            {"Battlefields", nullptr}, // not built yet: opens nothing
        };
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.setEditorTable(table);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // no ROM open: the tree takes no clicks
        tree(form)->expandAll();
        clickNode(form, QStringLiteral("Treasure"));
        QVERIFY(openedEditors.isEmpty());

        form.LoadROM();
        clickNode(form, QStringLiteral("General Data"));
        clickNode(form, QStringLiteral("Map Data"));
        clickNode(form, QStringLiteral("Battlefields"));
        clickNode(form, QStringLiteral("Character Stats"));
        QVERIFY(openedEditors.isEmpty());

        clickNode(form, QStringLiteral("Treasure"));
        clickNode(form, QStringLiteral("Treasure")); // the selected node opens again
        QCOMPARE(openedEditors, (QStringList{"Treasure", "Treasure"}));

        // the editor takes the box's current text, saved or not
        nameBox(form)->setText(QStringLiteral("NOT SAVED"));
        clickNode(form, QStringLiteral("Monster Stats"));
        QCOMPARE(openedEditors.last(), QStringLiteral("Monster Stats"));
        QCOMPARE(editorCaptions.last(), QStringLiteral("NOT SAVED"));
    }

    // With the editors of this build, every node click is safe: a missing editor opens nothing.
    void everyNodeClickIsSafe() {
        RomFixture fixture;
        FakePlatform platform;
        platform.dialogAnswers << fixture.romPath();
        Form1 form(platform, fixture.tablePath());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.LoadROM();
        const QByteArray before = fixture.bytes();
        for (QTreeWidgetItem* item : nodes(form)) {
            if (!editorTableHasOpener(item->text(0)))
                clickNode(form, item->text(0));
        }
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), before);
        QVERIFY(platform.messages.isEmpty());
    }

private:
    static bool editorTableHasOpener(const QString& text) {
        for (const EditorEntry& entry : editorTable()) {
            if (text == QLatin1String(entry.nodeText) && entry.open != nullptr)
                return true;
        }
        return false;
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
