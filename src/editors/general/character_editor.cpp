#include "editors/general/character_editor.h"

#include "editors/frame/form_rows.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/frame/record_list.h"
#include "editors/general/character_record.h"
#include "editors/general/character_rules.h"
#include "editors/general/name_tables.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace CharacterRecord;
using NameTables::CharacterNames;
using NameTables::ItemNameTable;

namespace {

// The box's number as a byte field takes it; the box's cap already keeps it in range.
std::uint8_t byteOf(const NumericBox& box) {
    return static_cast<std::uint8_t>(std::clamp(box.value(), 0, 255));
}

std::int16_t hpOf(const NumericBox& box) {
    return CharacterRules::hpStored(CharacterRules::hpValue(box.text()).value_or(0));
}

// An HP box keeps a negative value only where the load put it there.
void makeHpBox(NumericBox& box, const int& loaded) {
    box.setCap(CharacterRules::HpCap);
    box.setLeaveRule([&loaded](NumericBox& self) {
        if (const auto corrected = CharacterRules::hpCorrected(self.text(), loaded))
            self.setText(QString::number(*corrected));
    });
}

} // namespace

Form3::Form3(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Character Editor - "), context, parent), rom_(context.rom),
      text_(context.text) {
    buildWindow();
    // Form_Load
    LoadWeaponNames();
    LoadCharacterNames();
    CharLST->setCurrentRow(0);
}

void Form3::buildWindow() {
    setObjectName(QStringLiteral("Form3"));
    setInfoText(QStringLiteral("Careful putting certain weapons on certain people, it could cause "
                               "the game to crash in battle.  "));
    progressBar()->setMaximum(80);

    auto* columns = new QHBoxLayout(contentArea());
    columns->setContentsMargins(0, 0, 0, 0);

    auto* left = new QVBoxLayout;
    CharIndexNumLBL = new QLabel(QStringLiteral("Character Index #:"));
    CharIndexNumLBL->setObjectName(QStringLiteral("CharIndexNumLBL"));
    CharLST = new RecordList;
    CharLST->setObjectName(QStringLiteral("CharLST"));
    CharLST->setAccessibleName(QStringLiteral("Characters"));
    CharLST->setFixedWidth(150);
    CharIndexNumLBL->setBuddy(CharLST);
    left->addWidget(CharIndexNumLBL);
    left->addWidget(CharLST);
    columns->addLayout(left);

    auto* frame = new QGroupBox;
    columns->addWidget(frame);
    auto* rows = new QFormLayout(frame);
    NameTXT = addTextRow(*rows, QStringLiteral("Name:"), QStringLiteral("NameTXT"),
                         CharacterNames.length);
    LVLTXT = addNumericRow(*rows, QStringLiteral("Level:"), QStringLiteral("LVLTXT"), 255, 2);

    auto* maxHp = new QWidget;
    auto* maxHpLine = new QHBoxLayout(maxHp);
    maxHpLine->setContentsMargins(0, 0, 0, 0);
    maxHpLine->addWidget(new QLabel(QStringLiteral("/")));
    HPMaxTXT = new NumericBox(CharacterRules::HpCap, 5);
    HPMaxTXT->setObjectName(QStringLiteral("HPMaxTXT"));
    HPMaxTXT->setWidthInCharacters(6); // room for a loaded "-32768"
    HPMaxTXT->setAccessibleName(QStringLiteral("Maximum HP"));
    maxHpLine->addWidget(HPMaxTXT);
    HPMinTXT = addNumericRow(*rows, QStringLiteral("HP:"), QStringLiteral("HPMinTXT"),
                             CharacterRules::HpCap, 5, maxHp);
    HPMinTXT->setWidthInCharacters(6);
    HPMinTXT->setAccessibleName(QStringLiteral("Current HP"));
    makeHpBox(*HPMinTXT, loadedHpCurrent_);
    makeHpBox(*HPMaxTXT, loadedHpMaximum_);

    ATKTXT = addNumericRow(*rows, QStringLiteral("Attack:"), QStringLiteral("ATKTXT"), 255, 2);
    ATKTXT->setEnabled(false);
    DEFTXT = addNumericRow(*rows, QStringLiteral("Defense:"), QStringLiteral("DEFTXT"), 255, 2);
    SPDTXT = addNumericRow(*rows, QStringLiteral("Speed:"), QStringLiteral("SPDTXT"), 255, 2);
    MAGTXT = addNumericRow(*rows, QStringLiteral("Magic Power:"), QStringLiteral("MAGTXT"), 255, 2);
    ACCTXT = addNumericRow(*rows, QStringLiteral("Accuracy:"), QStringLiteral("ACCTXT"), 255, 2);
    EVTXT = addNumericRow(*rows, QStringLiteral("Evade:"), QStringLiteral("EVTXT"), 255, 2);
    EVTXT->setEnabled(false);

    WeaponCBO = new QComboBox;
    WeaponCBO->setObjectName(QStringLiteral("WeaponCBO"));
    WeaponCBO->setEditable(false);
    WeaponCBO->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* weaponLabel = new QLabel(QStringLiteral("Starting Weapon:"));
    weaponLabel->setBuddy(WeaponCBO);
    rows->addRow(weaponLabel, WeaponCBO);

    setTabChain({CharLST, NameTXT, LVLTXT, HPMinTXT, HPMaxTXT, ATKTXT, DEFTXT, SPDTXT, MAGTXT,
                 ACCTXT, EVTXT, WeaponCBO, ApplyCMD, QuitCMD});

    connect(CharLST, &RecordList::recordSelected, this, &Form3::CharLST_Click);
}

int Form3::character() const {
    return selectedRow(*CharLST);
}

void Form3::LoadWeaponNames() {
    fillNameList(
        *WeaponCBO, CharacterRules::WeaponRows,
        [this](int r) {
            return text_.ReadText(ItemNameTable.offset(CharacterRules::FirstWeaponItem + r),
                                  ItemNameTable.length);
        },
        FillOptions{.bar = progressBar()});
}

void Form3::LoadCharacterNames() {
    fillNameList(
        *CharLST, Count, [this](int i) { return text_.ReadText(record(i) + Name, ListTextLength); },
        FillOptions{.bar = progressBar()});
}

void Form3::CharLST_Click() {
    const int i = character();
    if (i < 0)
        return;
    CharIndexNumLBL->setText(QStringLiteral("Character Index #: %1").arg(i + 1));
    loadChecked([this] { LoadCharacter(); });
}

void Form3::LoadCharacter() {
    const int i = character();
    if (i < 0)
        return;
    const std::int32_t r = record(i);
    NameTXT->setText(text_.ReadText(r + Name, NameLength));
    const std::uint8_t level = rom_.readByte(r + Level);
    const std::uint8_t attack = rom_.readByte(r + Attack);
    const std::uint8_t defense = rom_.readByte(r + Defense);
    const std::uint8_t speed = rom_.readByte(r + Speed);
    const std::uint8_t magic = rom_.readByte(r + MagicPower);
    const std::uint8_t accuracy = rom_.readByte(r + Accuracy);
    const std::uint8_t evade = rom_.readByte(r + Evade);
    const std::uint8_t weapon = rom_.readByte(r + StartingWeapon);
    const std::int16_t hpMaximum = rom_.readWord(r + HpMaximum);
    const std::int16_t hpCurrent = rom_.readWord(r + HpCurrent);

    LVLTXT->setText(QString::number(level));
    ATKTXT->setText(QString::number(attack));
    DEFTXT->setText(QString::number(defense));
    SPDTXT->setText(QString::number(speed));
    MAGTXT->setText(QString::number(magic));
    ACCTXT->setText(QString::number(accuracy));
    EVTXT->setText(QString::number(evade));
    loadedWeapon_ = weapon;
    WeaponCBO->setCurrentIndex(CharacterRules::weaponRow(weapon).value_or(-1));
    loadedHpMaximum_ = hpMaximum;
    loadedHpCurrent_ = hpCurrent;
    HPMaxTXT->setText(QString::number(hpMaximum));
    HPMinTXT->setText(QString::number(hpCurrent));
}

void Form3::apply() {
    SaveCharacter();
}

void Form3::SaveCharacter() {
    const int i = character();
    if (i < 0)
        return;
    const std::int32_t r = record(i);
    writeName(text_, r + Name, NameTXT->text(), NameLength);

    CharLST->setEnabled(false);
    CharLST->clear();
    LoadCharacterNames();
    CharLST->setEnabled(true);
    progressBar()->setValue(0);
    progressBar()->hide();

    rom_.writeByte(r + Level, byteOf(*LVLTXT));
    rom_.writeByte(r + Defense, byteOf(*DEFTXT));
    rom_.writeByte(r + Speed, byteOf(*SPDTXT));
    rom_.writeByte(r + MagicPower, byteOf(*MAGTXT));
    rom_.writeByte(r + Accuracy, byteOf(*ACCTXT));

    const int row = WeaponCBO->currentIndex();
    rom_.writeByte(r + StartingWeapon,
                   CharacterRules::weaponStored(row >= 0 ? std::optional<int>(row) : std::nullopt,
                                                loadedWeapon_));

    rom_.writeWord(r + HpMaximum, hpOf(*HPMaxTXT));
    rom_.writeWord(r + HpCurrent, hpOf(*HPMinTXT));
    rom_.flush();

    CharLST->setCurrentRow(i);
}

void openCharacterEditor(const EditorContext& context) {
    Form3 form(context);
    form.exec();
}
