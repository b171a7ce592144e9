#include "editors/general/equipment_editor.h"

#include "editors/frame/flag_list.h"
#include "editors/frame/form_rows.h"
#include "editors/frame/hex_label.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/frame/record_list.h"
#include "editors/frame/tab_strip.h"
#include "editors/general/equipment_records.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Every box of the window, numbers included, takes twelve typed characters.
constexpr int BoxLimit = 12;

const std::array<QString, 8> ElementRows{
    QStringLiteral("Aerial Attack"), QStringLiteral("Bomb Attack"), QStringLiteral("Axe Attack"),
    QStringLiteral("Nothing"),       QStringLiteral("Wind"),        QStringLiteral("Fire"),
    QStringLiteral("Water"),         QStringLiteral("Earth")};
const std::array<QString, 8> StatusRows{QStringLiteral("Silence"), QStringLiteral("Blind"),
                                        QStringLiteral("Poison"),  QStringLiteral("Confusion"),
                                        QStringLiteral("Sleep"),   QStringLiteral("Paralyze"),
                                        QStringLiteral("Stone"),   QStringLiteral("Dead")};
const std::array<QString, 8> DefenseRows{
    QStringLiteral("Aerial Attack"), QStringLiteral("Physical Attack"),
    QStringLiteral("Damage Attack"), QStringLiteral("Drain Attack"),
    QStringLiteral("Wind"),          QStringLiteral("Fire"),
    QStringLiteral("Water"),         QStringLiteral("Earth")};

// The tabs' captions and the keys the tab switch goes by.
struct ItemsTab {
    const char* caption;
    const char* key;
};
constexpr ItemsTab ItemsTabs[] = {{"Weapons", "weapon"}, {"Armor", "armor"}, {"Items", "item"}};

std::uint8_t byteOf(const NumericBox& box) {
    return static_cast<std::uint8_t>(std::clamp(box.value(), 0, 255));
}

RecordList* recordList(const char* name, const QString& accessibleName) {
    auto* list = new RecordList;
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setFixedWidth(150);
    return list;
}

// A captioned flag list, the caption above the rows.
FlagList* addFlagColumn(QHBoxLayout& columns, const QString& caption, const char* name,
                        const std::array<QString, 8>& rows) {
    auto* column = new QVBoxLayout;
    auto* label = new QLabel(caption);
    auto* list = new FlagList(rows);
    list->setObjectName(QLatin1String(name));
    list->setFixedWidth(120);
    label->setBuddy(list);
    column->addWidget(label);
    column->addWidget(list);
    column->addStretch();
    columns.addLayout(column);
    return list;
}

QFrame* itemFrame(const char* name) {
    auto* frame = new QFrame;
    frame->setObjectName(QLatin1String(name));
    // Both frames share one place; a hidden one keeps its room so the fixed
    // window keeps its size on every tab.
    QSizePolicy policy = frame->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    frame->setSizePolicy(policy);
    return frame;
}

} // namespace

Form5::Form5(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Equipment Editor - "), context, parent), rom_(context.rom),
      text_(context.text) {
    buildWindow();
    // Form_Load
    LoadWeaponNames();
    LoadArmorNames();
    WPLST->setCurrentRow(0);
    ARLST->setCurrentRow(0);
}

void Form5::buildWindow() {
    setObjectName(QStringLiteral("Form5"));
    setInfoText(QStringLiteral("Save the Unknown Byte at your own risk.  It is undocumented!"));
    progressBar()->setMaximum(80);

    auto* column = new QVBoxLayout(contentArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ItemsTAB = new TabStrip;
    ItemsTAB->setObjectName(QStringLiteral("ItemsTAB"));
    ItemsTAB->setAccessibleName(QStringLiteral("Kind of equipment"));
    for (const ItemsTab& tab : ItemsTabs) {
        const int index = ItemsTAB->addTab(QString::fromLatin1(tab.caption));
        ItemsTAB->setTabData(index, QString::fromLatin1(tab.key));
    }
    column->addWidget(ItemsTAB);

    auto* page = new QFrame;
    page->setFrameShape(QFrame::StyledPanel);
    column->addWidget(page);
    auto* place = new QGridLayout(page);
    WPFRM = buildWeaponFrame();
    ARFRM = buildArmorFrame();
    place->addWidget(WPFRM, 0, 0);
    place->addWidget(ARFRM, 0, 0);
    ARFRM->hide();
    ItemsTAB->setPage(0, WPFRM);
    ItemsTAB->setPage(1, ARFRM);

    // A leftover outside the visible area, kept out of the tab order too: its
    // menu names two status bits and does nothing.
    ElementCMD = new QToolButton(this);
    ElementCMD->setObjectName(QStringLiteral("ElementCMD"));
    ElementCMD->setToolTip(QStringLiteral("Element"));
    ElementCMD->setAccessibleName(QStringLiteral("Element"));
    ElementCMD->setFocusPolicy(Qt::NoFocus);
    ElementCMD->setGeometry(-64, -64, 24, 24);
    mnuElement = new QMenu(QStringLiteral("Element"), this);
    mnuElement->setObjectName(QStringLiteral("mnuElement"));
    mnuElement->addAction(QStringLiteral("1 = Silence"))
        ->setObjectName(QStringLiteral("mnuSilence"));
    mnuElement->addAction(QStringLiteral("2 = Blind"))->setObjectName(QStringLiteral("mnuBlind"));

    setTabChain({WPLST,
                 WPNameTXT,
                 WPATKTXT,
                 weaponUnknown_[0],
                 weaponUnknown_[1],
                 weaponUnknown_[2],
                 weaponUnknown_[3],
                 weaponUnknown_[4],
                 WPAilmentLST,
                 WPElementLST,
                 ARLST,
                 ARNameTXT,
                 ARDEFTXT,
                 AREqPositionTXT,
                 ARUnkByte1TXT,
                 ARDefenseLST,
                 ARAilmentLST,
                 ApplyCMD,
                 QuitCMD,
                 ItemsTAB});

    connect(WPLST, &RecordList::recordSelected, this, &Form5::WPLST_Click);
    connect(ARLST, &RecordList::recordSelected, this, &Form5::ARLST_Click);
    connect(ItemsTAB, &QTabBar::currentChanged, this, &Form5::ItemsTAB_Click);
    connect(ElementCMD, &QToolButton::clicked, this, &Form5::ElementCMD_Click);
}

QFrame* Form5::buildWeaponFrame() {
    auto* frame = itemFrame("WPFRM");
    auto* columns = new QHBoxLayout(frame);
    WPLST = recordList("WPLST", QStringLiteral("Weapons"));
    columns->addWidget(WPLST);

    auto* rows = new QFormLayout;
    WPNameTXT = addTextRow(*rows, QStringLiteral("Name:"), QStringLiteral("WPNameTXT"), BoxLimit);
    WPATKTXT = addNumericRow(*rows, QStringLiteral("Attack Power:"), QStringLiteral("WPATKTXT"),
                             255, BoxLimit);
    for (std::size_t k = 0; k < weaponUnknown_.size(); ++k) {
        weaponUnknown_[k] =
            addNumericRow(*rows, QStringLiteral("Unknown Byte:"),
                          QStringLiteral("WPUnkByte%1TXT").arg(k + 1), 255, BoxLimit);
    }
    auto* left = new QVBoxLayout;
    left->addLayout(rows);
    left->addStretch();
    columns->addLayout(left);

    WPAilmentLST =
        addFlagColumn(*columns, QStringLiteral("Status Inflicted:"), "WPAilmentLST", StatusRows);
    WPElementLST =
        addFlagColumn(*columns, QStringLiteral("Element Inflicted:"), "WPElementLST", ElementRows);
    return frame;
}

QFrame* Form5::buildArmorFrame() {
    auto* frame = itemFrame("ARFRM");
    auto* columns = new QHBoxLayout(frame);
    ARLST = recordList("ARLST", QStringLiteral("Armor"));
    columns->addWidget(ARLST);

    auto* rows = new QFormLayout;
    ARNameTXT = addTextRow(*rows, QStringLiteral("Name:"), QStringLiteral("ARNameTXT"), BoxLimit);
    ARDEFTXT = addNumericRow(*rows, QStringLiteral("Defense Power:"), QStringLiteral("ARDEFTXT"),
                             255, BoxLimit);
    AREqPositionTXT = addNumericRow(*rows, QStringLiteral("Equipped Position:"),
                                    QStringLiteral("AREqPositionTXT"), 255, BoxLimit);
    ARUnkByte1TXT = addNumericRow(*rows, QStringLiteral("Unknown Byte:"),
                                  QStringLiteral("ARUnkByte1TXT"), 255, BoxLimit);
    auto* left = new QVBoxLayout;
    left->addLayout(rows);
    left->addStretch();
    columns->addLayout(left);

    ARDefenseLST =
        addFlagColumn(*columns, QStringLiteral("Defense Against:"), "ARDefenseLST", DefenseRows);
    ARAilmentLST =
        addFlagColumn(*columns, QStringLiteral("Status Resistance:"), "ARAilmentLST", StatusRows);
    return frame;
}

int Form5::weapon() const {
    return selectedRow(*WPLST);
}

int Form5::armor() const {
    return selectedRow(*ARLST);
}

void Form5::LoadWeaponNames() {
    fillNameList(
        *WPLST, WeaponRecord::Count,
        [this](int i) {
            return hexLabel(i) + QLatin1Char(' ') +
                   text_.ReadText(WeaponRecord::name(i), WeaponRecord::NameLength);
        },
        FillOptions{.bar = progressBar()});
}

void Form5::LoadArmorNames() {
    fillNameList(
        *ARLST, ArmorRecord::Count,
        [this](int i) {
            return hexLabel(i) + QLatin1Char(' ') +
                   text_.ReadText(ArmorRecord::name(i), ArmorRecord::NameLength);
        },
        FillOptions{.bar = progressBar()});
}

void Form5::WPLST_Click() {
    loadChecked([this] { LoadWeapon(); }, WeaponPart);
}

void Form5::ARLST_Click() {
    loadChecked([this] { LoadArmor(); }, ArmorPart);
}

void Form5::LoadWeapon() {
    using namespace WeaponRecord;
    const int i = weapon();
    if (i < 0)
        return;
    WPNameTXT->setText(text_.ReadText(name(i), NameLength));
    std::array<std::uint8_t, Size> bytes{};
    for (std::int32_t b = 0; b < Size; ++b)
        bytes[b] = rom_.readByte(record(i) + b);
    WPATKTXT->setText(QString::number(bytes[Attack]));
    for (int k = 0; k < UnknownCount; ++k)
        weaponUnknown_[k]->setText(QString::number(bytes[Unknown1 + k]));
    WPElementLST->load(bytes[Element]);
    WPAilmentLST->load(bytes[Status]);
}

void Form5::LoadArmor() {
    using namespace ArmorRecord;
    const int i = armor();
    if (i < 0)
        return;
    ARNameTXT->setText(text_.ReadText(name(i), NameLength));
    std::array<std::uint8_t, Size> bytes{};
    for (std::int32_t b = 0; b < Size; ++b)
        bytes[b] = rom_.readByte(record(i) + b);
    AREqPositionTXT->setText(QString::number(bytes[Position]));
    ARDEFTXT->setText(QString::number(bytes[DefensePower]));
    ARUnkByte1TXT->setText(QString::number(bytes[Unknown1]));
    ARDefenseLST->load(bytes[Defense]);
    ARAilmentLST->load(bytes[Resistance]);
}

void Form5::ItemsTAB_Click() {
    const QString key = ItemsTAB->tabData(ItemsTAB->currentIndex()).toString();
    if (key == QLatin1String("weapon")) {
        WPFRM->show();
        ARFRM->hide();
    } else if (key == QLatin1String("armor")) {
        WPFRM->hide();
        ARFRM->show();
    } else if (key == QLatin1String("item")) {
        WPFRM->hide();
        ARFRM->hide();
    }
}

void Form5::apply() {
    if (appliesTo(WeaponPart))
        SaveWeapon();
    if (appliesTo(ArmorPart))
        SaveArmor();
}

bool Form5::appliesTo(int part) const {
    return !(part == WeaponPart ? WPFRM : ARFRM)->isHidden();
}

void Form5::SaveWeapon() {
    using namespace WeaponRecord;
    const int i = weapon();
    if (i < 0)
        return;
    const std::uint8_t element = WPElementLST->save();
    const std::uint8_t status = WPAilmentLST->save();
    writeName(text_, name(i), WPNameTXT->text(), NameLength);
    rom_.writeByte(record(i) + Element, element);
    rom_.writeByte(record(i) + Status, status);
    rom_.writeByte(record(i) + Attack, byteOf(*WPATKTXT));
    for (int k = 0; k < UnknownCount; ++k)
        rom_.writeByte(record(i) + Unknown1 + k, byteOf(*weaponUnknown_[k]));
    rom_.flush();
}

void Form5::SaveArmor() {
    using namespace ArmorRecord;
    const int i = armor();
    if (i < 0)
        return;
    const std::uint8_t defense = ARDefenseLST->save();
    const std::uint8_t resistance = ARAilmentLST->save();
    writeName(text_, name(i), ARNameTXT->text(), NameLength);
    rom_.writeByte(record(i) + Defense, defense);
    rom_.writeByte(record(i) + Resistance, resistance);
    rom_.writeByte(record(i) + Position, byteOf(*AREqPositionTXT));
    rom_.writeByte(record(i) + DefensePower, byteOf(*ARDEFTXT));
    rom_.writeByte(record(i) + Unknown1, byteOf(*ARUnkByte1TXT));
    rom_.flush();
}

void Form5::ElementCMD_Click() {
    mnuElement->popup(ElementCMD->mapToGlobal(QPoint(0, ElementCMD->height())));
}

void openEquipmentEditor(const EditorContext& context) {
    Form5 form(context);
    form.exec();
}
