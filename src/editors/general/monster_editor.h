#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"

#include <array>

class GameText;
class NumericBox;
class QCheckBox;
class QLabel;
class QRadioButton;
class RecordList;
class RomFile;
class TextBox;

// The monster editor: name, HP, stats, counter, prevent-Life flag, EXP and GP of
// the 81 monsters, kept in three parallel tables indexed by the list row.
class Form2 : public EditorForm {
    Q_OBJECT
public:
    explicit Form2(const EditorContext& context, QWidget* parent = nullptr);

    void LoadMonsterNames();
    void MonsterLST_Click();
    void LoadMonster();
    void SetCounterValue();
    void LoadHP();
    void SaveMonster();

protected:
    // ApplyCMD_Click
    void apply() override;

private:
    void buildWindow();
    int monster() const;

    RomFile& rom_;
    GameText& text_;

    QLabel* MonsterIndexNumLBL;
    RecordList* MonsterLST;
    TextBox* NameTXT;
    NumericBox* HPTXT;
    NumericBox* STRTXT;
    NumericBox* DEFTXT;
    NumericBox* SPDTXT;
    NumericBox* MAGTXT;
    NumericBox* EXPTXT;
    NumericBox* GPTXT;
    NumericBox* Byte8TXT;
    NumericBox* CounterTXT;
    // Nothing, Physical Attack, Confusion, Paralyze, Poison, Petrify: the order of
    // MonsterRules::CounterKinds.
    std::array<QRadioButton*, 6> counterOptions_;
    QCheckBox* PreventLifeSpellCHK;
};

void openMonsterEditor(const EditorContext& context);
