#include "workspace/main_window.h"

#include "editors/frame/text_box.h"
#include "workspace/about_box.h"
#include "workspace/bgr_color.h"
#include "workspace/pictures.h"
#include "workspace/platform.h"
#include "workspace/program_info.h"
#include "workspace/rom_header.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>
#include <cstdlib>

namespace {

struct TreeNode {
    const char* key;
    const char* text;
    const char* parent; // null for a root node
};

// LoadTree adds them in this order; the tree's index order is the same.
constexpr std::array<TreeNode, 10> TreeNodes{{
    {"c1", "General Data", nullptr},
    {"StatsE", "Monster Stats", "c1"},
    {"StatsC", "Character Stats", "c1"},
    {"EquipmentC", "Character Equipment", "c1"},
    {"MagicC", "Character Starting Magic", "c1"},
    {"Attack", "Attack Editor", "c1"},
    {"Text", "Text Editor", "c1"},
    {"m1", "Map Data", nullptr},
    {"Battlefields", "Battlefields", "m1"},
    {"TreasureIndexes", "Treasure", "m1"},
}};

constexpr std::uint32_t DarkBlue = 0xC00000;
constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Black = 0x000000;

void setTextColour(QLabel* label, std::uint32_t bgr) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, bgrColor(bgr));
    label->setPalette(p);
}

void yieldToMessageLoop() {
    // paint goes on, while no click reaches a half-done window
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

Form1::Form1(Platform& platform, QString tableFile, QWidget* parent)
    : QMainWindow(parent), platform_(platform), gameText_(rom_, std::move(tableFile), platform),
      editors_(editorTable()) {
    buildControls();
    buildMenus();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    setFont(font);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QString::fromLatin1(Pictures::AppIcon)));

    auto* central = new QWidget(this);
    setCentralWidget(central);

    // the ROM Information frame
    Frame2 = new QGroupBox(QStringLiteral("ROM Information:"), central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label1 = namedLabel("Label1", QStringLiteral("ROM Name:"), Frame2);
    iROMName = new TextBox(Frame2);
    iROMName->setObjectName(QStringLiteral("iROMName"));
    iROMName->setTypingLimit(RomHeader::NameLength);
    iROMName->setMinimumWidth(iROMName->fontMetrics().averageCharWidth() * 30);
    Label1->setBuddy(iROMName);

    Label6 = namedLabel("Label6", QStringLiteral("ROM Version:"), Frame2);
    ROMVersionLBL = namedLabel("ROMVersionLBL", QStringLiteral("1."), Frame2);
    ROMVersionLBL->setToolTip(QStringLiteral("Shows the ROM's header type."));
    ROMVersionTXT = new TextBox(Frame2);
    ROMVersionTXT->setObjectName(QStringLiteral("ROMVersionTXT"));
    ROMVersionTXT->setTypingLimit(2);
    ROMVersionTXT->setDigitsOnly(true);
    // room for a stored version of three digits, shown whole
    ROMVersionTXT->setFixedWidth(
        ROMVersionTXT->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    Label6->setBuddy(ROMVersionTXT);

    Label3 = namedLabel("Label3", QStringLiteral("File Size in Bytes:"), Frame2);
    // No accessible name of its own: a screen reader reads the value, and the
    // caption names it as its buddy.
    ROMFileSizeLBL = namedLabel("ROMFileSizeLBL", QStringLiteral("0"), Frame2);
    // as wide as its longest text, so opening a ROM does not resize the window
    ROMFileSizeLBL->setMinimumWidth(ROMFileSizeLBL->fontMetrics().horizontalAdvance(
        QStringLiteral("1049088 (ROM has not been expanded)")));
    Label3->setBuddy(ROMFileSizeLBL);

    auto* versionRow = new QHBoxLayout;
    versionRow->setSpacing(2);
    versionRow->addWidget(ROMVersionLBL);
    versionRow->addWidget(ROMVersionTXT);
    versionRow->addStretch(1);

    auto* info = new QGridLayout(Frame2);
    info->addWidget(Label1, 0, 0);
    info->addWidget(iROMName, 0, 1);
    info->addWidget(Label6, 1, 0);
    info->addLayout(versionRow, 1, 1);
    info->addWidget(Label3, 2, 0);
    info->addWidget(ROMFileSizeLBL, 2, 1);
    info->setColumnStretch(1, 1);

    OpenCMD = new QPushButton(QStringLiteral("Open..."), central);
    OpenCMD->setObjectName(QStringLiteral("OpenCMD"));
    OpenCMD->setAutoDefault(false);
    QuitCMD = new QPushButton(QStringLiteral("Quit"), central);
    QuitCMD->setObjectName(QStringLiteral("QuitCMD"));
    QuitCMD->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OpenCMD);
    buttons->addWidget(QuitCMD);
    buttons->addStretch(1);

    ExpandCHK = new QCheckBox(QStringLiteral("Expand all Items in Tree"), central);
    ExpandCHK->setObjectName(QStringLiteral("ExpandCHK"));
    ExpandCHK->setToolTip(QStringLiteral("Expands all of the items in the left TreeView box."));

    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QString::fromLatin1(Pictures::SmallLogo)));
    Image1->setAccessibleName(QStringLiteral("Kaldris Multi Editor logo"));
    Label2 =
        namedLabel("Label2", QStringLiteral("A fan-made tool: keep a copy of your ROM."), central);

    Tree = new QTreeWidget(central);
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setAccessibleName(QStringLiteral("Editors"));
    Tree->setHeaderHidden(true);
    Tree->setColumnCount(1);
    Tree->setMinimumWidth(
        Tree->fontMetrics().horizontalAdvance(QStringLiteral("Character Starting Magic")) + 60);

    auto* right = new QVBoxLayout;
    right->addWidget(Frame2);
    right->addLayout(buttons);
    right->addWidget(ExpandCHK);
    right->addStretch(1);
    right->addWidget(Image1, 0, Qt::AlignHCenter);
    right->addWidget(Label2, 0, Qt::AlignHCenter);

    auto* top = new QHBoxLayout;
    top->addWidget(Tree);
    top->addLayout(right);

    // the info strip: an icon and the one-line hint
    auto* strip = new QFrame(central);
    strip->setFrameShape(QFrame::StyledPanel);
    strip->setFrameShadow(QFrame::Sunken);
    InfoIMG = new QLabel(strip);
    InfoIMG->setObjectName(QStringLiteral("InfoIMG"));
    InfoIMG->setPixmap(QPixmap(QString::fromLatin1(Pictures::InfoIcon)));
    InfoLBL = namedLabel(
        "InfoLBL", QStringLiteral("Single click to select the editor you want to use."), strip);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 2, 4, 2);
    stripLayout->addWidget(InfoIMG);
    stripLayout->addWidget(InfoLBL, 1);

    auto* column = new QVBoxLayout(central);
    column->addLayout(top);
    column->addWidget(strip);

    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(OpenCMD, &QPushButton::clicked, this, &Form1::LoadROM);
    connect(QuitCMD, &QPushButton::clicked, this, [this] { EndProgram(0); });
    connect(ExpandCHK, &QCheckBox::toggled, this, &Form1::ExpandCHK_Click);
    connect(Tree, &QTreeWidget::itemClicked, this, &Form1::Tree_NodeClick);
}

void Form1::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(shortcut);
        return a;
    };

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpen = action(mnuFile, "mnuOpen", QStringLiteral("&Open ROM"), Qt::CTRL | Qt::Key_O);
    mnuClose = action(mnuFile, "mnuClose", QStringLiteral("&Close ROM"), Qt::CTRL | Qt::Key_E);
    mnuSave = action(mnuFile, "mnuSave", QStringLiteral("&Save ROM"), Qt::CTRL | Qt::Key_S);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    mnuQuit = action(mnuFile, "mnuQuit", QStringLiteral("&Quit"), Qt::CTRL | Qt::Key_Q);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = action(mnuHelp, "mnuAbout", QStringLiteral("&About..."), Qt::Key_F1);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuTips = action(mnuHelp, "mnuTips", QStringLiteral("&Tips"), Qt::Key_F2);
    mnuInfo = action(mnuHelp, "mnuInfo", QStringLiteral("&Info"), Qt::Key_F3);
    mnuWWW = action(mnuHelp, "mnuWWW", QStringLiteral("&WWW"), Qt::Key_F4);
    // no action behind these two; they stay disabled
    mnuTips->setEnabled(false);
    mnuInfo->setEnabled(false);

    connect(mnuOpen, &QAction::triggered, this, &Form1::LoadROM);
    connect(mnuClose, &QAction::triggered, this, &Form1::CloseROM);
    connect(mnuSave, &QAction::triggered, this, &Form1::SaveROM);
    connect(mnuQuit, &QAction::triggered, this, [this] { EndProgram(0); });
    connect(mnuAbout, &QAction::triggered, this, [this] {
        About about(platform_, this);
        about.exec();
    });
    connect(mnuWWW, &QAction::triggered, this,
            [this] { platform_.openWebPage(QString::fromLatin1(ProgramInfo::HomePageUrl)); });
}

void Form1::Form_Load() {
    GameText::CheckDataFile(gameText_.tableFile(), platform_);
    setWindowTitle(ProgramInfo::closedTitle());
    LoadTree();

    // the design state: no ROM open, and the size label dark blue until the first close
    mnuClose->setEnabled(false);
    mnuSave->setEnabled(false);
    iROMName->setText(QStringLiteral("N/A"));
    iROMName->setReadOnly(true);
    ROMVersionTXT->setText(QStringLiteral("XX"));
    ROMVersionTXT->setEnabled(false);
    ROMFileSizeLBL->setText(QStringLiteral("0"));
    setTextColour(ROMFileSizeLBL, DarkBlue);
    ExpandCHK->setChecked(false);
    ExpandCHK->setEnabled(false);
    Tree->setEnabled(false);
}

void Form1::LoadTree() {
    for (const TreeNode& node : TreeNodes) {
        QTreeWidgetItem* item = nullptr;
        if (node.parent == nullptr) {
            item = new QTreeWidgetItem(Tree);
        } else {
            for (QTreeWidgetItem* candidate : std::as_const(nodes_)) {
                if (candidate->data(0, Qt::UserRole).toString() == QLatin1String(node.parent)) {
                    item = new QTreeWidgetItem(candidate);
                    break;
                }
            }
        }
        item->setText(0, QString::fromLatin1(node.text));
        item->setData(0, Qt::UserRole, QString::fromLatin1(node.key));
        nodes_.append(item);
    }
}

void Form1::LoadROM() {
    CloseROM();
    setWindowTitle(ProgramInfo::closedTitle());
    // a cancel never reopens the file chosen before: no path is kept
    const std::optional<QString> path =
        platform_.openFileDialog(QString::fromLatin1(OpenFilter), OpenFilterIndex);
    if (!path || path->isEmpty() || !rom_.open(*path)) {
        // the one failure path: nothing retried, no ROM open
        platform_.messageBox(QStringLiteral("So you want to load a ROM or what?"),
                             QStringLiteral("WTF"), Platform::Icon::Question);
        return;
    }
    LoadROMFileSize(*path);
    loadHeader();

    mnuClose->setEnabled(true);
    mnuSave->setEnabled(true);
    iROMName->setReadOnly(false);
    ExpandCHK->setEnabled(true);
    ExpandCHK->setChecked(true);
    ROMVersionTXT->setEnabled(true);
    Tree->setEnabled(true);
    setNodesExpanded(true, true);
}

void Form1::CloseROM() {
    setWindowTitle(ProgramInfo::closedTitle());
    rom_.close();
    headerUnread_.clear();
    mnuClose->setEnabled(false);
    iROMName->setText(QStringLiteral("N/A"));
    ROMFileSizeLBL->setText(QStringLiteral("0"));
    ROMVersionTXT->setText(QStringLiteral("XX"));
    mnuSave->setEnabled(false);
    iROMName->setReadOnly(true);
    ExpandCHK->setEnabled(false);
    ExpandCHK->setChecked(false);
    ROMVersionTXT->setEnabled(false);
    Tree->setEnabled(false);
    setTextColour(ROMFileSizeLBL, Black);
    setNodesExpanded(false, true);
}

void Form1::SaveROM() {
    if (const QString change = rom_.changeOnDisk(); !change.isEmpty()) {
        platform_.critical(change);
        return;
    }
    if (!headerUnread_.isEmpty()) {
        platform_.critical(headerUnread_);
        return;
    }
    rom_.takeWriteFailure(); // told by whatever wrote before
    SaveROMIName(rom_, iROMName->text());
    SaveROMVersion();
    loadHeader();
    rom_.flush();
    if (const QString failure = rom_.takeWriteFailure(); !failure.isEmpty())
        platform_.critical(failure);
}

void Form1::loadHeader() {
    rom_.takeReadFailure(); // an editor's, told by it or of no account
    LoadROMIName();
    LoadROMVersion();
    headerUnread_ = rom_.takeReadFailure();
    if (headerUnread_.isEmpty())
        return;
    // Nothing but an open reads the header again: Save reloads it only after writing.
    headerUnread_ += QStringLiteral(" The name and version shown are not the file's; Save ROM is "
                                    "refused until the ROM is opened again.");
    platform_.critical(headerUnread_);
}

void Form1::LoadROMFileSize(const QString& path) {
    const qint64 size = QFileInfo(path).size();
    switch (RomHeader::classifySize(size)) {
    case RomHeader::SizeClass::NoHeader:
        platform_.messageBox(QStringLiteral("You will need a 512 byte header when editing the "
                                            "Kaldris ROM.  The application will now close."),
                             QStringLiteral("Cannot open ROM for editing"),
                             Platform::Icon::Exclamation);
        EndProgram(1);
    case RomHeader::SizeClass::NotExpanded:
        setTextColour(ROMFileSizeLBL, DarkBlue);
        ROMFileSizeLBL->setText(QString::number(size) +
                                QStringLiteral(" (ROM has not been expanded)"));
        break;
    case RomHeader::SizeClass::Expanded:
        setTextColour(ROMFileSizeLBL, Red);
        ROMFileSizeLBL->setText(QString::number(size) + QStringLiteral(" (ROM has been expanded)"));
        break;
    case RomHeader::SizeClass::Other:
        break;
    }
}

void Form1::LoadROMIName() {
    const QString name = RomHeader::readName(rom_);
    iROMName->setText(name);
    iROMName->setReadOnly(false);
    setWindowTitle(ProgramInfo::openTitle(name));
}

void Form1::LoadROMVersion() {
    // a version of 100 to 255 is shown whole; the box's limit holds for typing only
    ROMVersionTXT->setText(QString::number(rom_.readByte(RomHeader::VersionOffset)));
}

void Form1::SaveROMVersion() {
    // a box that holds no whole number 0..255 leaves the byte as it was
    if (const auto version = RomHeader::parseVersion(ROMVersionTXT->text()))
        rom_.writeByte(RomHeader::VersionOffset, *version);
}

void Form1::Tree_NodeClick() {
    for (const EditorEntry& entry : editors_) {
        // the selected node's text is read afresh for each compare
        const QTreeWidgetItem* selected = Tree->currentItem();
        if (selected == nullptr || selected->text(0) != QLatin1String(entry.nodeText))
            continue;
        if (entry.open != nullptr)
            entry.open(EditorContext{rom_, gameText_, platform_, iROMName->text()});
    }
}

void Form1::ExpandCHK_Click(bool checked) {
    setNodesExpanded(checked, false);
}

void Form1::setNodesExpanded(bool expanded, bool yield) {
    for (QTreeWidgetItem* node : std::as_const(nodes_)) {
        node->setExpanded(expanded);
        if (yield)
            yieldToMessageLoop();
    }
}

void Form1::EndProgram(int status) {
    // nothing is saved; what the editors and Save wrote is already in the file
    rom_.close();
    platform_.endProgram(status);
    std::abort(); // endProgram never returns; the compiler cannot see it through the vtable
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    EndProgram(0);
}
