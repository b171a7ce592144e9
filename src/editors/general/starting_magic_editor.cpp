#include "editors/general/starting_magic_editor.h"

#include "editors/frame/flag_list.h"
#include "editors/frame/form_rows.h"
#include "editors/frame/name_list_fill.h"
#include "editors/frame/numeric_box.h"
#include "editors/frame/record_list.h"
#include "editors/general/character_record.h"
#include "editors/general/name_tables.h"
#include "workspace/game_text.h"
#include "workspace/pictures.h"
#include "workspace/rom_file.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

using namespace CharacterRecord;
using NameTables::ItemNameTable;

namespace {

std::uint8_t byteOf(const NumericBox& box) {
    return static_cast<std::uint8_t>(std::clamp(box.value(), 0, 255));
}

QString spellName(int spell) {
    return QString::fromLatin1(Spells::Names[static_cast<std::size_t>(spell)]);
}

// The rows a spell list shows before GetMagicNames names them from the ROM.
std::array<QString, 8> designRows(int byte) {
    std::array<QString, 8> rows;
    for (int row = 0; row < 8; ++row) {
        const auto spell = Spells::spellAt(byte, row);
        rows[static_cast<std::size_t>(row)] = spell ? spellName(*spell) : QStringLiteral("Empty");
    }
    return rows;
}

// Decoded once per run: the window is made anew at every opening.
QPixmap spellIcon(int spell) {
    const QString key = QStringLiteral("kaldris-spell-%1").arg(spell);
    QPixmap icon;
    if (!QPixmapCache::find(key, &icon)) {
        icon.load(QString::fromLatin1(Pictures::SpellIcons[static_cast<std::size_t>(spell)]));
        QPixmapCache::insert(key, icon);
    }
    return icon;
}

NumericBox* addCountBox(QHBoxLayout& line, const QString& caption, const QString& name) {
    auto* form = new QFormLayout;
    NumericBox* box = addNumericRow(*form, caption, name, 255, 2);
    box->setEnabled(false);
    line.addLayout(form);
    return box;
}

} // namespace

Form4::Form4(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Character Magic Editor - "), context, parent), rom_(context.rom),
      text_(context.text) {
    buildWindow();
    // Form_Load
    LoadCharacterNames();
    GetMagicNames();
    CharLST->setCurrentRow(0);
}

void Form4::buildWindow() {
    setObjectName(QStringLiteral("Form4"));
    setInfoText(QStringLiteral("Info should go here if I had some!"));
    setQuitCaption(QStringLiteral("Close"));

    auto* columns = new QHBoxLayout(contentArea());
    columns->setContentsMargins(0, 0, 0, 0);

    CharLST = new RecordList;
    CharLST->setObjectName(QStringLiteral("CharLST"));
    CharLST->setAccessibleName(QStringLiteral("Characters"));
    CharLST->setFixedWidth(150);
    columns->addWidget(CharLST);

    Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    columns->addWidget(Frame1);
    auto* inside = new QVBoxLayout(Frame1);

    auto* lists = new QHBoxLayout;
    Magic1LST = new FlagList(designRows(0));
    Magic1LST->setObjectName(QStringLiteral("Magic1LST"));
    Magic1LST->setAccessibleName(QStringLiteral("Spells, first byte"));
    Magic2LST = new FlagList(designRows(1));
    Magic2LST->setObjectName(QStringLiteral("Magic2LST"));
    Magic2LST->setAccessibleName(QStringLiteral("Spells, second byte"));
    lists->addWidget(Magic1LST);
    lists->addWidget(Magic2LST);
    inside->addLayout(lists);

    Frame2 = new QGroupBox;
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* counts = new QHBoxLayout(Frame2);
    WHTXT = addCountBox(*counts, QStringLiteral("White:"), QStringLiteral("WHTXT"));
    BLTXT = addCountBox(*counts, QStringLiteral("Black:"), QStringLiteral("BLTXT"));
    WZTXT = addCountBox(*counts, QStringLiteral("Wizard:"), QStringLiteral("WZTXT"));
    inside->addWidget(Frame2);

    buildSpellGrid();

    setTabChain({CharLST, Magic1LST, Magic2LST, WHTXT, BLTXT, WZTXT, ApplyCMD, QuitCMD});

    connect(CharLST, &RecordList::recordSelected, this, &Form4::CharLST_Click);
}

void Form4::buildSpellGrid() {
    // Not in the window's layout, so the fixed size leaves it out of sight.
    spellGrid_ = new QWidget(this);
    spellGrid_->setObjectName(QStringLiteral("SpellGrid"));
    auto* grid = new QGridLayout(spellGrid_);
    for (int s = 0; s < Spells::Count; ++s) {
        const auto k = static_cast<std::size_t>(s);
        const QString name = spellName(s);
        auto* icon = new QLabel;
        icon->setObjectName(name + QStringLiteral("IMG"));
        icon->setPixmap(spellIcon(s));
        icon->setFixedSize(16, 16);
        auto* label = new QLabel(QStringLiteral("MAGIC NAME"));
        label->setObjectName(name + QStringLiteral("LBL"));
        auto* check = new QCheckBox;
        check->setObjectName(name + QStringLiteral("CHK"));
        check->setEnabled(false);
        // out of sight, so out of the tab order too: the focus must not vanish into it
        check->setFocusPolicy(Qt::NoFocus);
        label->setBuddy(check);

        auto* cell = new QHBoxLayout;
        cell->addWidget(icon);
        cell->addWidget(label);
        cell->addWidget(check);
        cell->addStretch();
        grid->addLayout(cell, s % 4, s / 4);

        spellIcons_[k] = icon;
        spellLabels_[k] = label;
        spellChecks_[k] = check;
    }
}

void Form4::resizeEvent(QResizeEvent* event) {
    EditorForm::resizeEvent(event);
    spellGrid_->move(0, event->size().height());
}

int Form4::character() const {
    return selectedRow(*CharLST);
}

void Form4::LoadCharacterNames() {
    fillNameList(*CharLST, Count,
                 [this](int i) { return text_.ReadText(record(i) + Name, ListTextLength); });
}

void Form4::GetMagicNames() {
    const auto itemName = [this](int spell) {
        return text_.ReadText(ItemNameTable.offset(Spells::FirstItem + spell),
                              ItemNameTable.length);
    };
    for (int s = 0; s < Spells::Count; ++s)
        spellLabels_[static_cast<std::size_t>(s)]->setText(itemName(s));
    // sized once the names are in; the window's layout leaves it alone
    spellGrid_->adjustSize();
    for (int byte = 0; byte < 2; ++byte) {
        FlagList& list = byte == 0 ? *Magic1LST : *Magic2LST;
        for (int row = 0; row < 8; ++row) {
            const auto spell = Spells::spellAt(byte, row);
            list.item(row)->setText(spell ? itemName(*spell) : QStringLiteral("Empty"));
        }
    }
}

void Form4::CharLST_Click() {
    if (character() >= 0)
        loadChecked([this] { LoadStartingMagic(); });
}

void Form4::LoadStartingMagic() {
    const int i = character();
    if (i < 0)
        return;
    const std::int32_t r = record(i);
    const std::uint8_t white = rom_.readByte(r + WhiteMagicCount);
    const std::uint8_t black = rom_.readByte(r + BlackMagicCount);
    const std::uint8_t wizard = rom_.readByte(r + WizardMagicCount);
    const std::uint8_t bits1 = rom_.readByte(r + SpellBits1);
    const std::uint8_t bits2 = rom_.readByte(r + SpellBits2);

    Magic1LST->load(bits1);
    Magic2LST->load(bits2);

    for (QCheckBox* check : spellChecks_)
        check->setChecked(false);
    for (int byte = 0; byte < 2; ++byte) {
        const FlagList& list = byte == 0 ? *Magic1LST : *Magic2LST;
        for (int row = 0; row < 8; ++row) {
            const auto spell = Spells::spellAt(byte, row);
            if (spell && list.item(row)->checkState() == Qt::Checked)
                spellChecks_[static_cast<std::size_t>(*spell)]->setChecked(true);
        }
    }

    WHTXT->setText(QString::number(white));
    BLTXT->setText(QString::number(black));
    WZTXT->setText(QString::number(wizard));

    WHTXT->setEnabled(true);
    BLTXT->setEnabled(true);
    WZTXT->setEnabled(true);
    for (QCheckBox* check : spellChecks_)
        check->setEnabled(true);
}

void Form4::apply() {
    SaveStartingMagic();
}

void Form4::SaveStartingMagic() {
    const int i = character();
    if (i < 0)
        return;
    const std::int32_t r = record(i);
    const std::uint8_t bits1 = Magic1LST->save();
    const std::uint8_t bits2 = Magic2LST->save();
    rom_.writeByte(r + WhiteMagicCount, byteOf(*WHTXT));
    rom_.writeByte(r + BlackMagicCount, byteOf(*BLTXT));
    rom_.writeByte(r + WizardMagicCount, byteOf(*WZTXT));
    rom_.writeByte(r + SpellBits1, bits1);
    rom_.writeByte(r + SpellBits2, bits2);
    rom_.flush();
}

void openStartingMagicEditor(const EditorContext& context) {
    Form4 form(context);
    form.exec();
}
