#include "editors/map/battlefield_editor.h"

#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/frame/record_list.h"
#include "editors/frame/text_box.h"
#include "editors/general/name_tables.h"
#include "workspace/game_text.h"
#include "workspace/pictures.h"
#include "workspace/rom_file.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

using namespace BattlefieldRecords;
using namespace BattlefieldRules;
using NameTables::ItemNameTable;

namespace {

// The largest battlefield picture (one is 152, the rest 150): its place keeps
// this size on every row, so the window and its bottom strip never move.
constexpr int PictureSide = 152;

QRadioButton* makeOption(const QString& caption, const char* name, QWidget& parent) {
    auto* option = new QRadioButton(caption, &parent);
    option->setObjectName(QLatin1String(name));
    option->setEnabled(false);
    return option;
}

void whiteBackground(QWidget& box) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, Qt::white);
    box.setPalette(palette);
}

QLabel* componentLabel(const QString& caption, const char* name, QWidget& box) {
    auto* label = new QLabel(caption, box.parentWidget());
    label->setObjectName(QLatin1String(name));
    QFont small(QStringLiteral("Tahoma"));
    small.setPointSizeF(6.75);
    small.setBold(true);
    label->setFont(small);
    label->setBuddy(&box);
    return label;
}

RewardBoxes textsOf(const TextBox& amount, const NumericBox& low, const NumericBox& high) {
    return {amount.text(), low.text(), high.text()};
}

} // namespace

Form10::Form10(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Battlefield Editor - "), context, parent), rom_(context.rom),
      text_(context.text) {
    buildWindow();
    // Form_Load
    LoadItemMagic();
    BattlefieldLST->setCurrentRow(0);
}

void Form10::buildWindow() {
    setObjectName(QStringLiteral("Form10"));
    setInfoText(QStringLiteral("Changing the number of rounds will only affect a new game.  The "
                               "game stores the current number in RAM from the start."));

    auto* columns = new QHBoxLayout(contentArea());
    columns->setContentsMargins(0, 0, 0, 0);

    // Each control is made inside its parent: attaching a finished subtree later
    // would resolve the fonts and palettes of all of it once more.
    BattlefieldLST = new RecordList(contentArea());
    BattlefieldLST->setObjectName(QStringLiteral("BattlefieldLST"));
    BattlefieldLST->setAccessibleName(QStringLiteral("Battlefields"));
    for (const char* name : Names)
        BattlefieldLST->addItem(QString::fromLatin1(name));
    // Measuring the longest name alone is enough and spares shaping all twenty.
    const auto longest =
        std::max_element(Names.begin(), Names.end(), [](const char* a, const char* b) {
            return std::strlen(a) < std::strlen(b);
        });
    BattlefieldLST->setFixedWidth(
        BattlefieldLST->fontMetrics().horizontalAdvance(QString::fromLatin1(*longest)) +
        2 * BattlefieldLST->frameWidth() + 16);
    auto* frame = new QGroupBox(contentArea());
    columns->addWidget(BattlefieldLST);
    columns->addWidget(frame);
    buildFrame(*frame);

    tmr = new QTimer(this);
    tmr->setObjectName(QStringLiteral("tmr"));
    tmr->setInterval(50);
    connect(tmr, &QTimer::timeout, this, &Form10::tmr_Timer);

    setTabChain({BattlefieldLST, RoundsTXT, GPOPT, gp_.amount, gp_.low, gp_.high, EXPOPT,
                 exp_.amount, exp_.low, exp_.high, ItemMagicOPT, ItemMagicCBO, ApplyCMD, QuitCMD});

    connect(BattlefieldLST, &RecordList::recordSelected, this, &Form10::BattlefieldLST_Click);
    connect(GPOPT, &QRadioButton::clicked, this, &Form10::GPOPT_Click);
    connect(EXPOPT, &QRadioButton::clicked, this, &Form10::EXPOPT_Click);
    connect(ItemMagicOPT, &QRadioButton::clicked, this, &Form10::ItemMagicOPT_Click);
}

void Form10::buildFrame(QWidget& frame) {
    frame.setObjectName(QStringLiteral("Frame1"));
    auto* inside = new QVBoxLayout(&frame);
    auto* grid = new QGridLayout;
    inside->addLayout(grid);

    RoundsTXT = new NumericBox(RoundsCap, 3, &frame);
    RoundsTXT->setObjectName(QStringLiteral("RoundsTXT"));
    RoundsTXT->setWidthInCharacters(3);
    whiteBackground(*RoundsTXT);
    auto* roundsLabel = new QLabel(QStringLiteral("# of Rounds:"), &frame);
    roundsLabel->setObjectName(QStringLiteral("Label6"));
    roundsLabel->setBuddy(RoundsTXT);
    grid->addWidget(roundsLabel, 0, 0);
    grid->addWidget(RoundsTXT, 0, 1);

    GPOPT = makeOption(QStringLiteral("GP"), "GPOPT", frame);
    EXPOPT = makeOption(QStringLiteral("EXP"), "EXPOPT", frame);
    ItemMagicOPT = makeOption(QStringLiteral("Item/Magic"), "ItemMagicOPT", frame);
    options_ = new QButtonGroup(this);
    for (QRadioButton* option : {GPOPT, EXPOPT, ItemMagicOPT})
        options_->addButton(option);

    gp_ = addKindLine(*grid, 1, GPOPT, "GPTXT", "GPThreeXTXT", "GPSevenSixtyEightXTXT");
    exp_ = addKindLine(*grid, 2, EXPOPT, "EXPTXT", "EXPThreeXTXT", "EXPSevenSixtyEightXTXT");
    gp_.amount->setAccessibleName(QStringLiteral("GP amount"));
    exp_.amount->setAccessibleName(QStringLiteral("EXP amount"));
    grid->addWidget(componentLabel(QStringLiteral("= 3 x"), "Label2", *gp_.low), 1, 2);
    grid->addWidget(componentLabel(QStringLiteral("+ 768 x"), "Label3", *gp_.high), 1, 4);
    grid->addWidget(componentLabel(QStringLiteral("= 3 x"), "Label4", *exp_.low), 2, 2);
    grid->addWidget(componentLabel(QStringLiteral("+ 768 x"), "Label5", *exp_.high), 2, 4);

    ItemMagicCBO = new QComboBox(&frame);
    ItemMagicCBO->setObjectName(QStringLiteral("ItemMagicCBO"));
    ItemMagicCBO->setAccessibleName(QStringLiteral("Item/Magic"));
    ItemMagicCBO->setEnabled(false);
    grid->addWidget(ItemMagicOPT, 3, 0);
    grid->addWidget(ItemMagicCBO, 3, 1, 1, 5);
    grid->setColumnStretch(6, 1);

    auto* pictureLabel = new QLabel(QStringLiteral("Battlefield Location:"), &frame);
    pictureLabel->setObjectName(QStringLiteral("Label1"));
    BattlefieldIMG = new QLabel(&frame);
    BattlefieldIMG->setObjectName(QStringLiteral("BattlefieldIMG"));
    BattlefieldIMG->setAccessibleName(QStringLiteral("Battlefield Location"));
    BattlefieldIMG->setFixedSize(PictureSide, PictureSide);
    BattlefieldIMG->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureLabel->setBuddy(BattlefieldIMG);
    inside->addSpacing(6);
    inside->addWidget(pictureLabel);
    inside->addWidget(BattlefieldIMG);
    inside->addStretch();
}

Form10::KindBoxes Form10::addKindLine(QGridLayout& grid, int line, QRadioButton* option,
                                      const char* amountName, const char* lowName,
                                      const char* highName) {
    QWidget* frame = grid.parentWidget();
    auto* amount = new TextBox(frame);
    amount->setObjectName(QLatin1String(amountName));
    amount->setDigitsOnly(true);
    amount->setTypingLimit(5);
    amount->setWidthInCharacters(5);
    amount->setReadOnly(true);
    auto* low = new NumericBox(LowCap, 3, frame);
    low->setObjectName(QLatin1String(lowName));
    auto* high = new NumericBox(HighCap, 3, frame);
    high->setObjectName(QLatin1String(highName));
    const RewardKind kind = option == GPOPT ? RewardKind::GP : RewardKind::EXP;
    for (NumericBox* component : {low, high}) {
        component->setText(QStringLiteral("0"));
        component->setWidthInCharacters(3);
        component->setLeaveRule([this, kind](NumericBox&) { componentBoxLeft(kind); });
    }
    for (QWidget* box :
         {static_cast<QWidget*>(amount), static_cast<QWidget*>(low), static_cast<QWidget*>(high)}) {
        whiteBackground(*box);
        box->setEnabled(false);
    }
    grid.addWidget(option, line, 0);
    grid.addWidget(amount, line, 1);
    grid.addWidget(low, line, 3);
    grid.addWidget(high, line, 5);
    return {amount, low, high};
}

int Form10::battlefield() const {
    return selectedRow(*BattlefieldLST);
}

Form10::KindBoxes Form10::boxesOf(RewardKind kind) const {
    return kind == RewardKind::EXP ? exp_ : gp_;
}

std::optional<BattlefieldRules::RewardKind> Form10::chosenKind() const {
    if (GPOPT->isChecked())
        return RewardKind::GP;
    if (ItemMagicOPT->isChecked())
        return RewardKind::ItemMagic;
    if (EXPOPT->isChecked())
        return RewardKind::EXP;
    return std::nullopt;
}

void Form10::LoadItemMagic() {
    fillNameList(
        *ItemMagicCBO, ItemCodes + 1,
        [this](int row) {
            if (row == 0)
                return QStringLiteral("Nothing");
            return text_.ReadText(ItemNameTable.offset(row - 1), ItemNameTable.length);
        },
        FillOptions{.suspendUpdates = false});
    ItemMagicCBO->setCurrentIndex(0);
}

void Form10::BattlefieldLST_Click() {
    if (battlefield() < 0)
        return;
    LoadBattlefieldIMG();
    loadChecked([this] { LoadBattlefieldData(); });
}

void Form10::LoadBattlefieldIMG() {
    const int i = battlefield();
    if (i < 0)
        return;
    const QPixmap picture(QString::fromLatin1(Pictures::Battlefields[static_cast<std::size_t>(i)]));
    BattlefieldIMG->setPixmap(picture);
}

void Form10::LoadBattlefieldData() {
    const int i = battlefield();
    if (i < 0)
        return;
    const std::uint8_t low = rom_.readByte(rewardLow(i));
    const std::uint8_t high = rom_.readByte(rewardHigh(i));
    const std::uint8_t roundsByte = rom_.readByte(rounds(i));

    RoundsTXT->setText(QString::number(roundsByte));
    for (QRadioButton* option : {GPOPT, EXPOPT, ItemMagicOPT})
        option->setEnabled(true);
    emptyAllBoxes();

    const RewardShown shown = rewardShown(low, high);
    if (!shown.kind) {
        chooseNoKind();
        return;
    }
    switch (*shown.kind) {
    case RewardKind::GP:
        GPOPT->setChecked(true);
        break;
    case RewardKind::EXP:
        EXPOPT->setChecked(true);
        break;
    case RewardKind::ItemMagic:
        ItemMagicOPT->setChecked(true);
        break;
    }
    enableFor(*shown.kind);
    if (*shown.kind == RewardKind::ItemMagic)
        ItemMagicCBO->setCurrentIndex(shown.comboRow);
    else
        showBoxes(*shown.kind, shown.boxes);
}

void Form10::chooseNoKind() {
    options_->setExclusive(false);
    for (QRadioButton* option : {GPOPT, EXPOPT, ItemMagicOPT})
        option->setChecked(false);
    options_->setExclusive(true);
    for (const KindBoxes& boxes : {gp_, exp_}) {
        boxes.amount->setEnabled(false);
        boxes.low->setEnabled(false);
        boxes.high->setEnabled(false);
    }
    ItemMagicCBO->setCurrentIndex(0);
    // An item picked here would not be stored, as no kind is chosen: the combo
    // waits for Item/Magic like after a GP or EXP load.
    ItemMagicCBO->setEnabled(false);
}

void Form10::enableFor(RewardKind kind) {
    const bool gp = kind == RewardKind::GP;
    const bool exp = kind == RewardKind::EXP;
    for (QWidget* box : {static_cast<QWidget*>(gp_.amount), static_cast<QWidget*>(gp_.low),
                         static_cast<QWidget*>(gp_.high)})
        box->setEnabled(gp);
    for (QWidget* box : {static_cast<QWidget*>(exp_.amount), static_cast<QWidget*>(exp_.low),
                         static_cast<QWidget*>(exp_.high)})
        box->setEnabled(exp);
    ItemMagicCBO->setEnabled(kind == RewardKind::ItemMagic);
    if (gp || exp)
        ItemMagicCBO->setCurrentIndex(0);
}

void Form10::GPOPT_Click() {
    enableFor(RewardKind::GP);
}

void Form10::EXPOPT_Click() {
    enableFor(RewardKind::EXP);
}

void Form10::ItemMagicOPT_Click() {
    enableFor(RewardKind::ItemMagic);
}

void Form10::showBoxes(RewardKind kind, const RewardBoxes& shown) {
    const KindBoxes boxes = boxesOf(kind);
    boxes.amount->setText(shown.amount);
    boxes.low->setText(shown.low);
    boxes.high->setText(shown.high);
}

void Form10::emptyAllBoxes() {
    for (const KindBoxes& boxes : {gp_, exp_}) {
        boxes.amount->clear();
        boxes.low->clear();
        boxes.high->clear();
    }
}

void Form10::componentBoxLeft(RewardKind kind) {
    const KindBoxes boxes = boxesOf(kind);
    showBoxes(kind, leaveComponentBox(textsOf(*boxes.amount, *boxes.low, *boxes.high)));
}

void Form10::apply() {
    SaveBattlefieldData();
}

void Form10::SaveBattlefieldData() {
    const int i = battlefield();
    if (i < 0)
        return;
    RoundsTXT->capAt(RoundsCap);
    rom_.writeByte(rounds(i), static_cast<std::uint8_t>(std::clamp(RoundsTXT->value(), 0, 255)));

    const std::optional<RewardKind> kind = chosenKind();
    RewardBoxes shown;
    if (kind && *kind != RewardKind::ItemMagic) {
        const KindBoxes boxes = boxesOf(*kind);
        shown = textsOf(*boxes.amount, *boxes.low, *boxes.high);
    }
    if (const auto bytes = rewardToStore(kind, shown, ItemMagicCBO->currentIndex())) {
        rom_.writeByte(rewardLow(i), bytes->low);
        rom_.writeByte(rewardHigh(i), bytes->high);
    }
    // The rounds byte above was written first, so only the next Apply stores the 99.
    if (resetsRounds(kind, shown) && RoundsTXT->value() > RoundsAfterTopGp)
        RoundsTXT->setText(QString::number(RoundsAfterTopGp));
    rom_.flush();
}

void openBattlefieldEditor(const EditorContext& context) {
    Form10 form(context);
    form.exec();
}
