#include "editors/general/monster_editor.h"

#include "editors/frame/form_rows.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/frame/record_list.h"
#include "editors/general/monster_rules.h"
#include "editors/general/name_tables.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

using namespace MonsterRecords;
using MonsterRules::CounterKind;
using NameTables::MonsterNameTable;

namespace {

const char* const CounterOptionNames[] = {"NothingOPT",  "PhysicalOPT", "ConfusionOPT",
                                          "ParalyzeOPT", "PoisonOPT",   "PetrifyOPT"};
const char* const CounterCaptions[] = {"Nothing",        "Physical Attack", "Confusion Touch",
                                       "Paralyze Touch", "Poison Touch",    "Petrify Touch"};

QLabel* maxValueLabel(int max) {
    auto* label = new QLabel(QStringLiteral(" -->  MAX Value = %1").arg(max));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// The box's number as a byte field takes it; the box's cap already keeps it in range.
std::uint8_t byteOf(const NumericBox& box) {
    return static_cast<std::uint8_t>(std::clamp(box.value(), 0, std::min(box.cap(), 255)));
}

} // namespace

Form2::Form2(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Monster Editor - "), context, parent), rom_(context.rom),
      text_(context.text) {
    buildWindow();
    // Form_Load
    LoadMonsterNames();
    MonsterLST->setCurrentRow(0);
}

void Form2::buildWindow() {
    setObjectName(QStringLiteral("Form2"));
    setInfoText(QStringLiteral("Use asterisks \"*\" for line breaks."));
    progressBar()->setMaximum(Count - 1);

    auto* columns = new QHBoxLayout(contentArea());
    columns->setContentsMargins(0, 0, 0, 0);

    auto* left = new QVBoxLayout;
    MonsterIndexNumLBL = new QLabel(QStringLiteral("Monster Index #:"));
    MonsterIndexNumLBL->setObjectName(QStringLiteral("MonsterIndexNumLBL"));
    MonsterLST = new RecordList;
    MonsterLST->setObjectName(QStringLiteral("MonsterLST"));
    MonsterLST->setAccessibleName(QStringLiteral("Monsters"));
    MonsterLST->setFixedWidth(150);
    MonsterIndexNumLBL->setBuddy(MonsterLST);
    left->addWidget(MonsterIndexNumLBL);
    left->addWidget(MonsterLST);
    columns->addLayout(left);

    auto* frame = new QGroupBox;
    columns->addWidget(frame);
    auto* inside = new QHBoxLayout(frame);

    auto* rows = new QFormLayout;
    NameTXT = addTextRow(*rows, QStringLiteral("Name:"), QStringLiteral("NameTXT"),
                         MonsterNameTable.length);
    HPTXT = addNumericRow(*rows, QStringLiteral("HP:"), QStringLiteral("HPTXT"),
                          MonsterRules::HpCap, 5);
    STRTXT = addNumericRow(*rows, QStringLiteral("Strength:"), QStringLiteral("STRTXT"), 255, 5);
    DEFTXT = addNumericRow(*rows, QStringLiteral("Defense:"), QStringLiteral("DEFTXT"), 255, 8);
    SPDTXT = addNumericRow(*rows, QStringLiteral("Speed:"), QStringLiteral("SPDTXT"), 255, 8);
    MAGTXT = addNumericRow(*rows, QStringLiteral("Magic Power:"), QStringLiteral("MAGTXT"), 255, 8);
    EXPTXT = addNumericRow(*rows, QStringLiteral("EXP:"), QStringLiteral("EXPTXT"),
                           MonsterRules::ExpCap, 3, maxValueLabel(MonsterRules::ExpCap));
    GPTXT = addNumericRow(*rows, QStringLiteral("GP:"), QStringLiteral("GPTXT"),
                          MonsterRules::GpCap, 4, maxValueLabel(MonsterRules::GpCap));
    // The two hidden boxes carry the raw bytes from the load to the save.
    Byte8TXT = addNumericRow(*rows, QStringLiteral("Byte 8:"), QStringLiteral("Byte8TXT"), 255, 3);
    Byte8TXT->setEnabled(false);
    rows->setRowVisible(Byte8TXT, false);
    CounterTXT =
        addNumericRow(*rows, QStringLiteral("Counter:"), QStringLiteral("CounterTXT"), 255, 2);
    rows->setRowVisible(CounterTXT, false);
    inside->addLayout(rows);

    auto* counter = new QVBoxLayout;
    auto* counterLabel = new QLabel(QStringLiteral("Counter with:"));
    counter->addWidget(counterLabel);
    auto* group = new QButtonGroup(this);
    for (std::size_t k = 0; k < counterOptions_.size(); ++k) {
        auto* option = new QRadioButton(QString::fromLatin1(CounterCaptions[k]));
        option->setObjectName(QLatin1String(CounterOptionNames[k]));
        group->addButton(option);
        counter->addWidget(option);
        counterOptions_[k] = option;
    }
    counterLabel->setBuddy(counterOptions_[0]);
    counter->addStretch();
    inside->addLayout(counter);

    PreventLifeSpellCHK = new QCheckBox(QStringLiteral("Prevent Life spell from killing monster?"));
    PreventLifeSpellCHK->setObjectName(QStringLiteral("PreventLifeSpellCHK"));
    counter->addSpacing(8);
    counter->addWidget(PreventLifeSpellCHK);

    setTabChain({MonsterLST,
                 NameTXT,
                 HPTXT,
                 STRTXT,
                 DEFTXT,
                 SPDTXT,
                 MAGTXT,
                 EXPTXT,
                 GPTXT,
                 Byte8TXT,
                 CounterTXT,
                 counterOptions_[0],
                 counterOptions_[1],
                 counterOptions_[2],
                 counterOptions_[3],
                 counterOptions_[4],
                 counterOptions_[5],
                 PreventLifeSpellCHK,
                 ApplyCMD,
                 QuitCMD});

    connect(MonsterLST, &RecordList::recordSelected, this, &Form2::MonsterLST_Click);
}

int Form2::monster() const {
    return selectedRow(*MonsterLST);
}

void Form2::LoadMonsterNames() {
    fillNameList(
        *MonsterLST, Count,
        [this](int i) {
            return text_.ReadText(MonsterNameTable.offset(i), MonsterNameTable.length);
        },
        FillOptions{.bar = progressBar()});
}

void Form2::MonsterLST_Click() {
    const int i = monster();
    if (i < 0)
        return;
    MonsterIndexNumLBL->setText(QStringLiteral("Monster Index #: %1").arg(i + 1));
    loadChecked([this] { LoadMonster(); });
}

void Form2::LoadMonster() {
    PreventLifeSpellCHK->setChecked(false);
    counterOptions_[0]->setChecked(true);
    const int i = monster();
    if (i < 0)
        return;
    // A failed step ends the load silently; the boxes not reached keep what they showed.
    try {
        NameTXT->setText(text_.ReadText(MonsterNameTable.offset(i), MonsterNameTable.length));
        const std::uint8_t strength = rom_.readByte(stat(i) + Strength);
        const std::uint8_t defense = rom_.readByte(stat(i) + Defense);
        const std::uint8_t speed = rom_.readByte(stat(i) + Speed);
        const std::uint8_t magic = rom_.readByte(stat(i) + MagicPower);
        const std::uint8_t counter = rom_.readByte(stat(i) + Counter);
        const std::uint8_t exp = rom_.readByte(reward(i) + Exp);
        const std::uint8_t gp = rom_.readByte(reward(i) + Gp);
        const std::uint8_t byte8 = rom_.readByte(stat(i) + Byte8);

        STRTXT->setText(QString::number(strength));
        DEFTXT->setText(QString::number(defense));
        SPDTXT->setText(QString::number(speed));
        MAGTXT->setText(QString::number(magic));
        CounterTXT->setText(QString::number(counter));
        SetCounterValue();
        Byte8TXT->setText(QString::number(byte8));
        if (MonsterRules::preventsLife(byte8))
            PreventLifeSpellCHK->setChecked(true);
        EXPTXT->setText(QString::number(MonsterRules::expShown(exp)));
        GPTXT->setText(QString::number(MonsterRules::gpShown(gp)));
        LoadHP();
    } catch (const std::exception&) {
    }
}

void Form2::SetCounterValue() {
    const CounterKind kind = MonsterRules::counterKind(CounterTXT->value());
    const auto k =
        std::find(MonsterRules::CounterKinds.begin(), MonsterRules::CounterKinds.end(), kind) -
        MonsterRules::CounterKinds.begin();
    counterOptions_[k]->setChecked(true);
}

void Form2::LoadHP() {
    const int i = monster();
    HPTXT->setText(QString::number(MonsterRules::hpShown(rom_.readWord(stat(i) + Hp))));
}

void Form2::apply() {
    if (monster() < 0)
        return;
    for (std::size_t k = 0; k < counterOptions_.size(); ++k) {
        if (counterOptions_[k]->isChecked()) {
            CounterTXT->setText(
                QString::number(MonsterRules::counterValue(MonsterRules::CounterKinds[k])));
            break;
        }
    }
    SaveMonster();
}

void Form2::SaveMonster() {
    const int i = monster();
    if (i < 0)
        return;
    writeName(text_, MonsterNameTable.offset(i), NameTXT->text(), MonsterNameTable.length);

    MonsterLST->setEnabled(false);
    MonsterLST->clear();
    LoadMonsterNames();
    MonsterLST->setEnabled(true);
    progressBar()->setValue(0);
    progressBar()->hide();

    rom_.writeByte(stat(i) + Strength, byteOf(*STRTXT));
    rom_.writeByte(stat(i) + Defense, byteOf(*DEFTXT));
    rom_.writeByte(stat(i) + Speed, byteOf(*SPDTXT));
    rom_.writeByte(stat(i) + MagicPower, byteOf(*MAGTXT));
    rom_.writeByte(stat(i) + Counter, byteOf(*CounterTXT));

    const std::uint8_t byte8 =
        MonsterRules::byte8Stored(byteOf(*Byte8TXT), PreventLifeSpellCHK->isChecked());
    rom_.writeByte(stat(i) + Byte8, byte8);
    Byte8TXT->setText(QString::number(byte8));

    EXPTXT->capAt(MonsterRules::ExpCap);
    GPTXT->capAt(MonsterRules::GpCap);
    rom_.writeByte(reward(i) + Exp, MonsterRules::expStored(EXPTXT->value()));
    if (const auto gp = MonsterRules::gpStored(GPTXT->value()))
        rom_.writeByte(reward(i) + Gp, *gp);
    rom_.writeWord(stat(i) + Hp,
                   MonsterRules::hpStored(std::clamp(HPTXT->value(), 0, MonsterRules::HpCap)));
    rom_.flush();

    MonsterLST->setCurrentRow(i);
}

void openMonsterEditor(const EditorContext& context) {
    Form2 form(context);
    form.exec();
}
