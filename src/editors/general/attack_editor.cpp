#include "editors/general/attack_editor.h"

#include "editors/frame/flag_list.h"
#include "editors/frame/form_rows.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/frame/record_list.h"
#include "editors/general/attack_rules.h"
#include "editors/general/name_tables.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

using namespace AttackRecord;
using AttackRules::AttackClass;
using AttackRules::AttackClasses;
using NameTables::AttackNameTable;

namespace {

const char* const TypeOptionNames[] = {"NothingOPT", "AerialOPT", "PhysicalOPT", "DamageOPT",
                                       "DrainOPT",   "WindOPT",   "FireOPT",     "WaterOPT",
                                       "ThunderOPT", "EarthOPT"};
const char* const TypeCaptions[] = {"Nothing",         "Aerial Attack / Status Ailment",
                                    "Physical Attack", "Damage Attack",
                                    "Drain Attack",    "Wind Element",
                                    "Fire Element",    "Water Element",
                                    "Thunder Element", "Earth Element"};

const std::array<QString, 8> StatusRows{QStringLiteral("Silence"), QStringLiteral("Blind"),
                                        QStringLiteral("Poison"),  QStringLiteral("Confusion"),
                                        QStringLiteral("Sleep"),   QStringLiteral("Paralyze"),
                                        QStringLiteral("Stone"),   QStringLiteral("Dead")};

// The box's number as a byte; its cap of 255 already keeps it in range.
std::uint8_t byteOf(const NumericBox& box) {
    return static_cast<std::uint8_t>(std::clamp(box.value(), 0, 255));
}

} // namespace

Form7::Form7(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Attack Editor - "), context, parent), rom_(context.rom),
      text_(context.text) {
    buildWindow();
    // Form_Load
    LoadAttackNames();
    AtkLST->setCurrentRow(0);
}

void Form7::buildWindow() {
    setObjectName(QStringLiteral("Form7"));
    setInfoText(
        QStringLiteral("Use an _ to separate words.  Save the Effect byte at your own risk!!"));
    progressBar()->setMaximum(160);

    auto* columns = new QHBoxLayout(contentArea());
    columns->setContentsMargins(0, 0, 0, 0);

    AtkLST = new RecordList;
    AtkLST->setObjectName(QStringLiteral("AtkLST"));
    AtkLST->setAccessibleName(QStringLiteral("Attacks"));
    AtkLST->setFixedWidth(140);
    columns->addWidget(AtkLST);

    auto* frame = new QGroupBox;
    columns->addWidget(frame);
    auto* inside = new QHBoxLayout(frame);

    auto* rows = new QFormLayout;
    AttackNameTXT = addTextRow(*rows, QStringLiteral("Name:"), QStringLiteral("AttackNameTXT"),
                               AttackNameTable.length);
    TargetTXT =
        addNumericRow(*rows, QStringLiteral("Targeting:"), QStringLiteral("TargetTXT"), 255, 3);
    TargetTXT->setToolTip(
        QStringLiteral("Enter 129 for Attack One Target or 128 for Attack All Targets"));
    AttackPowerTXT = addNumericRow(*rows, QStringLiteral("Attack Power:"),
                                   QStringLiteral("AttackPowerTXT"), 255, 3);
    Byte4TXT =
        addNumericRow(*rows, QStringLiteral("Effect (?):"), QStringLiteral("Byte4TXT"), 255, 3);
    SoundEffectTXT = addNumericRow(*rows, QStringLiteral("Sound Effect:"),
                                   QStringLiteral("SoundEffectTXT"), 255, 3);

    auto* options = new QVBoxLayout;
    options->setSpacing(2);
    auto* group = new QButtonGroup(this);
    for (std::size_t k = 0; k < typeOptions_.size(); ++k) {
        auto* option = new QRadioButton(QString::fromLatin1(TypeCaptions[k]));
        option->setObjectName(QLatin1String(TypeOptionNames[k]));
        group->addButton(option);
        options->addWidget(option);
        typeOptions_[k] = option;
    }
    auto* typeLabel = new QLabel(QStringLiteral("Attack Type:"));
    typeLabel->setBuddy(typeOptions_[0]);
    rows->addRow(typeLabel, options);
    inside->addLayout(rows);

    auto* status = new QVBoxLayout;
    auto* statusLabel = new QLabel(QStringLiteral("Status Inflicted:"));
    AtkElementLST = new FlagList(StatusRows);
    AtkElementLST->setObjectName(QStringLiteral("AtkElementLST"));
    AtkElementLST->setFixedWidth(110);
    statusLabel->setBuddy(AtkElementLST);
    status->addWidget(statusLabel);
    status->addWidget(AtkElementLST);
    status->addStretch();
    inside->addLayout(status);

    setTabChain({AtkLST, AttackNameTXT, TargetTXT, AttackPowerTXT, Byte4TXT, SoundEffectTXT,
                 typeOptions_[0], typeOptions_[1], typeOptions_[2], typeOptions_[3],
                 typeOptions_[4], typeOptions_[5], typeOptions_[6], typeOptions_[7],
                 typeOptions_[8], typeOptions_[9], AtkElementLST, ApplyCMD, QuitCMD});

    connect(AtkLST, &RecordList::recordSelected, this, &Form7::AtkLST_Click);
}

int Form7::attack() const {
    return selectedRow(*AtkLST);
}

void Form7::LoadAttackNames() {
    fillNameList(
        *AtkLST, Count,
        [this](int i) { return text_.ReadText(AttackNameTable.offset(i), AttackNameTable.length); },
        FillOptions{.bar = progressBar(), .moveBar = false});
}

void Form7::AtkLST_Click() {
    loadChecked([this] { LoadAttack(); });
}

void Form7::LoadAttack() {
    const int i = attack();
    if (i < 0)
        return;
    AttackNameTXT->setText(text_.ReadText(AttackNameTable.offset(i), AttackNameTable.length));
    const std::uint8_t type = rom_.readByte(record(i) + Type);
    const std::uint8_t status = rom_.readByte(record(i) + Status);
    const std::uint8_t power = rom_.readByte(record(i) + Power);
    const std::uint8_t effect = rom_.readByte(record(i) + Effect);
    const std::uint8_t sound = rom_.readByte(record(i) + Sound);
    const std::uint8_t targeting = rom_.readByte(record(i) + Targeting);

    AtkElementLST->load(status);
    AttackPowerTXT->setText(QString::number(power));
    Byte4TXT->setText(QString::number(effect));
    SoundEffectTXT->setText(QString::number(sound));
    TargetTXT->setText(QString::number(targeting));
    const AttackClass kind = AttackRules::attackClass(type);
    const auto k =
        std::find(AttackClasses.begin(), AttackClasses.end(), kind) - AttackClasses.begin();
    typeOptions_[k]->setChecked(true);
}

void Form7::apply() {
    SaveAttack();
}

void Form7::SaveAttack() {
    const int i = attack();
    if (i < 0)
        return;
    writeName(text_, AttackNameTable.offset(i), AttackNameTXT->text(), AttackNameTable.length);
    rom_.writeByte(record(i) + Status, AtkElementLST->save());
    rom_.writeByte(record(i) + Power, byteOf(*AttackPowerTXT));
    rom_.writeByte(record(i) + Effect, byteOf(*Byte4TXT));
    rom_.writeByte(record(i) + Sound, byteOf(*SoundEffectTXT));
    rom_.writeByte(record(i) + Targeting, byteOf(*TargetTXT));
    for (std::size_t k = 0; k < typeOptions_.size(); ++k) {
        if (typeOptions_[k]->isChecked())
            rom_.writeByte(record(i) + Type, AttackRules::typeByte(AttackClasses[k]));
    }
    rom_.flush();

    // The list keeps its place, so the row the user worked on stays where it was.
    const int scrolled = AtkLST->verticalScrollBar()->value();
    LoadAttackNames();
    AtkLST->verticalScrollBar()->setValue(scrolled);
    AtkLST->setCurrentRow(i);
}

void openAttackEditor(const EditorContext& context) {
    Form7 form(context);
    form.exec();
}
