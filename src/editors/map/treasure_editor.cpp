#include "editors/map/treasure_editor.h"

#include "editors/frame/form_rows.h"
#include "editors/frame/hex_label.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/frame/record_list.h"
#include "editors/map/treasure_index_pane.h"
#include "editors/map/treasure_offset_table.h"
#include "editors/map/treasure_records.h"
#include "editors/map/treasure_rules.h"
#include "workspace/pictures.h"
#include "workspace/platform.h"
#include "workspace/rom_file.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace TC = TreasureContents;
namespace TG = TreasureGlobalData;

namespace {

const QString CopyTip =
    QStringLiteral("This will allow you to copy the offset into the Clipboard.");

NumericBox* coordinateBox(const char* name, QWidget* parent) {
    auto* box = new NumericBox(255, 3, parent);
    box->setObjectName(QLatin1String(name));
    box->setWidthInCharacters(3);
    box->setCapOnKey(true);
    box->setText(QStringLiteral("0"));
    box->setEnabled(false);
    return box;
}

QLabel* picture(const char* file, const char* name, const QString& description, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(QPixmap(QString::fromLatin1(file)));
    label->setFixedSize(16, 16);
    label->setAccessibleName(description);
    return label;
}

QLabel* hexValueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(blue);
    return label;
}

// The box's number as its byte field takes it: 0..255 whatever the box holds.
std::uint8_t byteOf(const NumericBox& box) {
    return static_cast<std::uint8_t>(std::clamp(box.value(), 0, 255));
}

void showByte(NumericBox& box, int value) {
    box.setText(QString::number(value));
}

} // namespace

Form9::Form9(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Treasure Editor - "), context, parent), rom_(context.rom),
      text_(context.text) {
    buildWindow();
    // Form_Load: all before the window shows, so no chest control is seen disabled.
    loadChecked([this] { LoadGlobalData(); }, GlobalPart);
    LoadTreasureIndexes();
    LoadIndex();
    // Before the first chest, so every value of its byte 0 has a row.
    LoadContents();
    TreasureLST->setCurrentRow(0);
    TreasureIndexLST->setCurrentRow(0);
}

void Form9::buildWindow() {
    setObjectName(QStringLiteral("Form9"));
    setInfoText(QStringLiteral(
        "You'll need to refresh the Contents listbox to reflect any changes to the indexes."));

    auto* columns = new QHBoxLayout(contentArea());
    columns->setContentsMargins(0, 0, 0, 0);

    // Every control is made inside its final parent: moved in later, it would
    // take the window's font a second time, which costs more than the fills.
    TreasureLST = new RecordList(contentArea());
    TreasureLST->setObjectName(QStringLiteral("TreasureLST"));
    TreasureLST->setAccessibleName(QStringLiteral("Treasure chests"));
    TreasureLST->setFixedWidth(370);
    columns->addWidget(TreasureLST);
    QStringList descriptions;
    descriptions.reserve(TreasureOffsets::Count);
    for (const TreasureChest& chest : TreasureOffsets::TreasureOffsetTable)
        descriptions.append(QString::fromLatin1(chest.description.data(),
                                                static_cast<qsizetype>(chest.description.size())));
    TreasureLST->addItems(descriptions);

    auto* Frame1 = new QGroupBox(contentArea());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    columns->addWidget(Frame1);
    auto* right = new QVBoxLayout(Frame1);
    right->addWidget(buildChestPane(Frame1));
    right->addWidget(buildGlobalFrame(Frame1));
    right->addStretch();

    // Never seen: it stands below the window's visible area and takes no focus.
    ShowHiddenListBoxCMD = new QPushButton(QStringLiteral("<"), this);
    ShowHiddenListBoxCMD->setObjectName(QStringLiteral("ShowHiddenListBoxCMD"));
    ShowHiddenListBoxCMD->setToolTip(CopyTip);
    ShowHiddenListBoxCMD->setAutoDefault(false);
    ShowHiddenListBoxCMD->setFocusPolicy(Qt::NoFocus);
    ShowHiddenListBoxCMD->setGeometry(0, 4096, 24, 24);

    setTabChain({TreasureLST,
                 ContentsCBO,
                 TChestOPT,
                 TBoxOPT,
                 YTXT,
                 XTXT,
                 ElevationTXT,
                 OffsetTXT,
                 CopyToClipboardCMD,
                 RefreshContentsCMD,
                 ConsumableWeaponsTXT,
                 ConsumableItemsTXT,
                 SuperChestTXT,
                 SuperChestRangeATXT,
                 SuperChestRangeBTXT,
                 CutOffTXT,
                 TreasureIndexLST,
                 TreasureIndexCBO,
                 ApplyCMD,
                 QuitCMD});

    connect(TreasureLST, &RecordList::recordSelected, this, &Form9::TreasureLST_Click);
    connect(TreasureIndexLST, &RecordList::recordSelected, this, &Form9::LoadTreasureIndexData);
    connect(RefreshContentsCMD, &QPushButton::clicked, this, &Form9::RefreshContentsCMD_Click);
    connect(CopyToClipboardCMD, &QPushButton::clicked, this, &Form9::CopyToClipboardCMD_Click);
    connect(mnuCopyToClipboard, &QAction::triggered, this, &Form9::mnuCopyToClipboard_Click);
    connect(ShowHiddenListBoxCMD, &QPushButton::clicked, this, &Form9::ShowHiddenListBoxCMD_Click);
    connect(SuperChestRangeATXT, &QLineEdit::textChanged, this, &Form9::updateRangeLabel);
    connect(SuperChestRangeBTXT, &QLineEdit::textChanged, this, &Form9::updateRangeLabel);
    connect(CutOffTXT, &QLineEdit::textChanged, this, &Form9::updateCutOffLabel);
}

QWidget* Form9::buildChestPane(QWidget* frame) {
    auto* pane = new QWidget(frame);
    auto* grid = new QGridLayout(pane);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* contentsLabel = new QLabel(QStringLiteral("Treasure Contents:"), pane);
    ContentsCBO = new QComboBox(pane);
    ContentsCBO->setObjectName(QStringLiteral("ContentsCBO"));
    ContentsCBO->setEnabled(false);
    ContentsCBO->setMinimumContentsLength(18);
    contentsLabel->setBuddy(ContentsCBO);
    RefreshContentsCMD = new QPushButton(pane);
    RefreshContentsCMD->setObjectName(QStringLiteral("RefreshContentsCMD"));
    RefreshContentsCMD->setIcon(QIcon(QString::fromLatin1(Pictures::RefreshContents)));
    RefreshContentsCMD->setIconSize(QSize(32, 32));
    RefreshContentsCMD->setAutoDefault(false);
    RefreshContentsCMD->setToolTip(
        QStringLiteral("This will update the Treasure Contents entries from the index list."));
    RefreshContentsCMD->setAccessibleName(RefreshContentsCMD->toolTip());
    auto* contentsLine = new QHBoxLayout;
    contentsLine->addWidget(ContentsCBO, 1);
    contentsLine->addWidget(RefreshContentsCMD);
    grid->addWidget(contentsLabel, 0, 0, 1, 5);
    grid->addLayout(contentsLine, 1, 0, 1, 5);

    // The two kinds stand in one group: at most one is selected, and at a load
    // of another kind byte neither is.
    kindGroup_ = new QButtonGroup(this);
    TChestOPT = new QRadioButton(pane);
    TChestOPT->setObjectName(QStringLiteral("TChestOPT"));
    TChestOPT->setAccessibleName(QStringLiteral("Chest"));
    TBoxOPT = new QRadioButton(pane);
    TBoxOPT->setObjectName(QStringLiteral("TBoxOPT"));
    TBoxOPT->setAccessibleName(QStringLiteral("Box"));
    for (QRadioButton* option : {TChestOPT, TBoxOPT}) {
        option->setEnabled(false);
        kindGroup_->addButton(option);
    }
    grid->addWidget(TChestOPT, 2, 0);
    grid->addWidget(picture(Pictures::Chest, "Image1", QStringLiteral("Chest"), pane), 2, 1);
    grid->addWidget(TBoxOPT, 3, 0);
    grid->addWidget(picture(Pictures::Box, "Image2", QStringLiteral("Box"), pane), 3, 1);
    grid->setColumnMinimumWidth(2, 16);

    // Y comes before X, on screen and in the tab order.
    YTXT = coordinateBox("YTXT", pane);
    XTXT = coordinateBox("XTXT", pane);
    auto* coordinatesLabel = new QLabel(QStringLiteral("Coordinates -  X / Y:"), pane);
    coordinatesLabel->setBuddy(YTXT);
    auto* slash = new QLabel(QStringLiteral("/"), pane);
    slash->setBuddy(XTXT);
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(YTXT);
    coordinates->addWidget(slash);
    coordinates->addWidget(XTXT);
    coordinates->addStretch();
    grid->addWidget(coordinatesLabel, 2, 3);
    grid->addLayout(coordinates, 2, 4);

    ElevationTXT = coordinateBox("ElevationTXT", pane);
    auto* elevationLabel = new QLabel(QStringLiteral("Elevation:"), pane);
    elevationLabel->setBuddy(ElevationTXT);
    auto* elevation = new QHBoxLayout;
    elevation->addWidget(ElevationTXT);
    elevation->addStretch();
    grid->addWidget(elevationLabel, 3, 3);
    grid->addLayout(elevation, 3, 4);

    OffsetTXT = new TextBox(pane);
    OffsetTXT->setObjectName(QStringLiteral("OffsetTXT"));
    OffsetTXT->setReadOnly(true);
    OffsetTXT->setTypingLimit(5);
    OffsetTXT->setWidthInCharacters(5);
    OffsetTXT->setText(QStringLiteral("0"));
    auto* offsetLabel = new QLabel(QStringLiteral("Offset:"), pane);
    offsetLabel->setBuddy(OffsetTXT);
    CopyToClipboardCMD = new QPushButton(QStringLiteral(">"), pane);
    CopyToClipboardCMD->setObjectName(QStringLiteral("CopyToClipboardCMD"));
    CopyToClipboardCMD->setToolTip(CopyTip);
    CopyToClipboardCMD->setAccessibleName(CopyTip);
    CopyToClipboardCMD->setAutoDefault(false);
    CopyToClipboardCMD->setFixedWidth(24);
    CopyToClipboardCMD->setEnabled(false);
    auto* offset = new QHBoxLayout;
    offset->addWidget(OffsetTXT);
    offset->addWidget(CopyToClipboardCMD);
    offset->addStretch();
    grid->addWidget(offsetLabel, 4, 3);
    grid->addLayout(offset, 4, 4);

    mnuCopy = new QMenu(QStringLiteral("Copy"), this);
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    mnuCopyToClipboard = mnuCopy->addAction(QStringLiteral("Copy Offset to Clipboard"));
    mnuCopyToClipboard->setObjectName(QStringLiteral("mnuCopyToClipboard"));
    mnuCopyToClipboard->setShortcut(QKeySequence(Qt::Key_F3));
    // Also on the window, so F3 copies while the menu is closed. A window
    // shortcut would go dead while the popup is open (the popup is then the
    // active window); the window is modal, so the application's keys are its own.
    addAction(mnuCopyToClipboard);
    mnuCopyToClipboard->setShortcutContext(Qt::ApplicationShortcut);
    return pane;
}

QWidget* Form9::buildGlobalFrame(QWidget* frame) {
    auto* Frame2 = new QGroupBox(QStringLiteral("Global:"), frame);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* column = new QVBoxLayout(Frame2);
    auto* rows = new QFormLayout;
    column->addLayout(rows);

    ConsumableWeaponsTXT =
        addNumericRow(*rows, QStringLiteral("Quantity of Consumable Weapons:"),
                      QStringLiteral("ConsumableWeaponsTXT"), TG::QuantityCap, 2);
    ConsumableItemsTXT = addNumericRow(*rows, QStringLiteral("Quantity of Consumable Items:"),
                                       QStringLiteral("ConsumableItemsTXT"), TG::QuantityCap, 2);
    // These two cap in the key filter only; leaving them just fills an empty box.
    for (NumericBox* box : {ConsumableWeaponsTXT, ConsumableItemsTXT}) {
        box->setCapOnKey(true);
        box->setLeaveRule([](NumericBox& b) { b.emptyToZero(); });
    }
    // A stored quantity above 99 is shown whole, so the box has room for three digits.
    SuperChestTXT = addNumericRow(*rows, QStringLiteral("\"Super\" Chest Quantity:"),
                                  QStringLiteral("SuperChestTXT"), TG::QuantityCap, 2);
    SuperChestTXT->setWidthInCharacters(3);

    SuperChestRangeATXT = new NumericBox(TG::ByteCap, 3, Frame2);
    SuperChestRangeATXT->setObjectName(QStringLiteral("SuperChestRangeATXT"));
    SuperChestRangeATXT->setWidthInCharacters(3);
    SuperChestRangeBTXT = new NumericBox(TG::ByteCap, 3, Frame2);
    SuperChestRangeBTXT->setObjectName(QStringLiteral("SuperChestRangeBTXT"));
    SuperChestRangeBTXT->setWidthInCharacters(3);
    SuperChestRangeHexLBL = hexValueLabel("SuperChestRangeHexLBL", Frame2);
    auto* rangeLabel = new QLabel(QStringLiteral("\"Super\" Chest Index Range:"), Frame2);
    rangeLabel->setBuddy(SuperChestRangeATXT);
    auto* to = new QLabel(QStringLiteral("to"), Frame2);
    to->setBuddy(SuperChestRangeBTXT);
    auto* range = new QHBoxLayout;
    range->addWidget(SuperChestRangeATXT);
    range->addWidget(to);
    range->addWidget(SuperChestRangeBTXT);
    range->addWidget(SuperChestRangeHexLBL);
    range->addStretch();
    rows->addRow(rangeLabel, range);

    SplitBitHexLBL = hexValueLabel("SplitBitHexLBL", Frame2);
    CutOffTXT = addNumericRow(*rows, QStringLiteral("Cut off between Equipment/Items:"),
                              QStringLiteral("CutOffTXT"), TG::ByteCap, 3, SplitBitHexLBL);

    for (NumericBox* box : {ConsumableWeaponsTXT, ConsumableItemsTXT, SuperChestTXT,
                            SuperChestRangeATXT, SuperChestRangeBTXT, CutOffTXT})
        box->setText(QStringLiteral("0"));
    SuperChestRangeATXT->setCapOnChange(true);
    SuperChestRangeBTXT->setCapOnChange(true);

    auto* indexesLabel = new QLabel(QStringLiteral("Treasure Indexes:"), Frame2);
    TreasureIndexLST = new RecordList(Frame2);
    TreasureIndexLST->setObjectName(QStringLiteral("TreasureIndexLST"));
    TreasureIndexLST->setFixedSize(64, 110);
    indexesLabel->setBuddy(TreasureIndexLST);
    TreasureIndexCBO = new QComboBox(Frame2);
    TreasureIndexCBO->setObjectName(QStringLiteral("TreasureIndexCBO"));
    TreasureIndexCBO->setAccessibleName(QStringLiteral("Item of the treasure index"));
    TreasureIndexCBO->setMinimumContentsLength(14);
    TreasureIndexCBO->setEnabled(false);
    column->addWidget(indexesLabel);
    auto* indexPane = new QHBoxLayout;
    indexPane->addWidget(TreasureIndexLST);
    indexPane->addWidget(TreasureIndexCBO, 0, Qt::AlignTop);
    indexPane->addStretch();
    column->addLayout(indexPane);
    return Frame2;
}

bool Form9::waitForFill(std::function<void()> retry) {
    if (!filling_)
        return false;
    QTimer::singleShot(0, this, std::move(retry));
    return true;
}

std::optional<std::int64_t> Form9::recordOffset() const {
    if (selectedRow(*TreasureLST) < 0)
        return std::nullopt;
    const std::int64_t offset = TreasureOffsets::parseOffsetText(OffsetTXT->text().toStdString());
    if (offset < 0)
        return std::nullopt;
    return offset;
}

void Form9::TreasureLST_Click() {
    if (waitForFill([this] { TreasureLST_Click(); }))
        return;
    LoadOffset();
    loadChecked([this] { LoadTreasureContents(); }, ChestPart);
}

void Form9::LoadOffset() {
    const int row = selectedRow(*TreasureLST);
    if (row < 0 || row >= TreasureOffsets::Count)
        return;
    const std::string_view text =
        TreasureOffsets::TreasureOffsetTable[static_cast<std::size_t>(row)].offsetText;
    OffsetTXT->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void Form9::LoadTreasureContents() {
    const auto o = recordOffset();
    if (!o)
        return;
    const std::uint8_t index = rom_.readByte(*o + TC::Index);
    const std::uint8_t x = rom_.readByte(*o + TC::X);
    const std::uint8_t y = rom_.readByte(*o + TC::Y);
    rom_.readByte(*o + TC::Unused); // read with the record, never shown
    const std::uint8_t elevation = rom_.readByte(*o + TC::Elevation);
    const std::uint8_t kind = rom_.readByte(*o + TC::Kind);

    ContentsCBO->setCurrentIndex(index);
    showByte(*XTXT, x);
    showByte(*YTXT, y);
    showByte(*ElevationTXT, elevation);
    kindGroup_->setExclusive(false);
    TChestOPT->setChecked(kind == static_cast<std::uint8_t>(TreasureKind::Chest));
    TBoxOPT->setChecked(kind == static_cast<std::uint8_t>(TreasureKind::Box));
    kindGroup_->setExclusive(true);

    for (QWidget* control :
         std::initializer_list<QWidget*>{ContentsCBO, XTXT, YTXT, TBoxOPT, TChestOPT, OffsetTXT,
                                         CopyToClipboardCMD, ElevationTXT})
        control->setEnabled(true);
}

void Form9::SaveTreasureContents() {
    const auto o = recordOffset();
    if (!o)
        return;
    // No contents row (after a refresh): byte 0 stays as stored.
    if (const int row = ContentsCBO->currentIndex(); row >= 0 && row <= 255)
        rom_.writeByte(*o + TC::Index, static_cast<std::uint8_t>(row));
    rom_.writeByte(*o + TC::X, byteOf(*XTXT));
    rom_.writeByte(*o + TC::Y, byteOf(*YTXT));
    rom_.writeByte(*o + TC::Elevation, byteOf(*ElevationTXT));
    if (TChestOPT->isChecked())
        rom_.writeByte(*o + TC::Kind, static_cast<std::uint8_t>(TreasureKind::Chest));
    else if (TBoxOPT->isChecked())
        rom_.writeByte(*o + TC::Kind, static_cast<std::uint8_t>(TreasureKind::Box));
}

void Form9::LoadTreasureIndexes() {
    TreasureIndexPane::fillIndexes(*TreasureIndexLST);
}

void Form9::LoadIndex() {
    TreasureIndexPane::fillItemCodes(*TreasureIndexCBO, text_);
}

void Form9::LoadContents() {
    const QScopedValueRollback<bool> filling(filling_, true);
    TreasureIndexPane::fillContents(*ContentsCBO, rom_, text_);
}

void Form9::LoadTreasureIndexData() {
    loadChecked(
        [this] { TreasureIndexPane::loadEntry(rom_, *TreasureIndexLST, *TreasureIndexCBO); },
        IndexPart);
}

void Form9::SaveTreasureIndex() {
    TreasureIndexPane::saveEntry(rom_, *TreasureIndexLST, *TreasureIndexCBO);
}

void Form9::RefreshContentsCMD_Click() {
    if (waitForFill([this] { RefreshContentsCMD_Click(); }))
        return;
    LoadContents();
}

void Form9::LoadGlobalData() {
    const int superChest = rom_.readByte(TG::SuperChestQuantity);
    const int rangeStart = rom_.readByte(TG::SuperChestRangeStart);
    const int rangeEnd = rom_.readByte(TG::SuperChestRangeEnd);
    const int weapons = std::min<int>(rom_.readByte(TG::ConsumableWeapons), TG::QuantityCap);
    const int items = std::min<int>(rom_.readByte(TG::ConsumableItems), TG::QuantityCap);
    const int cutOff = rom_.readByte(TG::CutOff);

    showByte(*ConsumableWeaponsTXT, weapons);
    showByte(*ConsumableItemsTXT, items);
    showByte(*SuperChestTXT, superChest);
    showByte(*SuperChestRangeATXT, rangeStart);
    showByte(*SuperChestRangeBTXT, rangeEnd);
    showByte(*CutOffTXT, cutOff);
    SplitBitHexLBL->setText(hexLabel(static_cast<unsigned>(cutOff)));
    SuperChestRangeHexLBL->setText(hexLabel(static_cast<unsigned>(rangeStart)) +
                                   QStringLiteral(" to ") +
                                   hexLabel(static_cast<unsigned>(rangeEnd)));
}

void Form9::SaveGlobalData() {
    ConsumableWeaponsTXT->capAt(TG::QuantityCap);
    ConsumableItemsTXT->capAt(TG::QuantityCap);
    rom_.writeByte(TG::SuperChestQuantity, byteOf(*SuperChestTXT));
    rom_.writeByte(TG::SuperChestRangeStart, byteOf(*SuperChestRangeATXT));
    rom_.writeByte(TG::SuperChestRangeEnd, byteOf(*SuperChestRangeBTXT));
    rom_.writeByte(TG::ConsumableWeapons, byteOf(*ConsumableWeaponsTXT));
    rom_.writeByte(TG::ConsumableItems, byteOf(*ConsumableItemsTXT));
    rom_.writeByte(TG::CutOff, byteOf(*CutOffTXT));
}

void Form9::updateRangeLabel() {
    SuperChestRangeHexLBL->setText(
        TreasureRules::rangeLabel(SuperChestRangeATXT->text(), SuperChestRangeBTXT->text()));
}

void Form9::updateCutOffLabel() {
    SplitBitHexLBL->setText(TreasureRules::hexLabelOfText(CutOffTXT->text()));
}

void Form9::CopyToClipboardCMD_Click() {
    mnuCopy->popup(QCursor::pos());
}

void Form9::mnuCopyToClipboard_Click() {
    platform().setClipboardText(OffsetTXT->text());
    // F3 may come while the menu is open; its work is done then as after a click.
    mnuCopy->hide();
}

void Form9::ShowHiddenListBoxCMD_Click() {
    const QString caption = ShowHiddenListBoxCMD->text();
    if (caption == QLatin1String("<"))
        ShowHiddenListBoxCMD->setText(QStringLiteral(">"));
    else if (caption == QLatin1String(">"))
        ShowHiddenListBoxCMD->setText(QStringLiteral("<"));
}

void Form9::apply() {
    if (waitForFill([this] { ApplyCMD->click(); }))
        return;
    SaveTreasureContents();
    SaveTreasureIndex();
    SaveGlobalData();
    rom_.flush();
}

void Form9::closeEvent(QCloseEvent* event) {
    if (filling_) {
        event->ignore();
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    EditorForm::closeEvent(event);
}

void openTreasureEditor(const EditorContext& context) {
    Form9 form(context);
    form.exec();
}
