#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"

#include <array>

class FlagList;
class GameText;
class NumericBox;
class QRadioButton;
class RecordList;
class RomFile;
class TextBox;

// The attack editor: name, type, status flags, power, effect byte, sound effect
// and targeting of the first 156 attacks.
class Form7 : public EditorForm {
    Q_OBJECT
public:
    explicit Form7(const EditorContext& context, QWidget* parent = nullptr);

    void LoadAttackNames();
    void AtkLST_Click();
    void LoadAttack();
    void SaveAttack();

protected:
    // ApplyCMD_Click
    void apply() override;

private:
    void buildWindow();
    int attack() const;

    RomFile& rom_;
    GameText& text_;

    RecordList* AtkLST;
    TextBox* AttackNameTXT;
    NumericBox* TargetTXT;
    NumericBox* AttackPowerTXT;
    NumericBox* Byte4TXT;
    NumericBox* SoundEffectTXT;
    // In the order of AttackRules::AttackClasses.
    std::array<QRadioButton*, 10> typeOptions_;
    FlagList* AtkElementLST;
};

void openAttackEditor(const EditorContext& context);
