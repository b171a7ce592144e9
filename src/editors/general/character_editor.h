#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"

#include <cstdint>

class GameText;
class NumericBox;
class QComboBox;
class QLabel;
class RecordList;
class RomFile;
class TextBox;

// The character editor: name, level, HP, defense, speed, magic power, accuracy
// and starting weapon of the nine characters; attack and evade are shown only.
class Form3 : public EditorForm {
    Q_OBJECT
public:
    explicit Form3(const EditorContext& context, QWidget* parent = nullptr);

    void LoadWeaponNames();
    void LoadCharacterNames();
    void CharLST_Click();
    void LoadCharacter();
    void SaveCharacter();

protected:
    // ApplyCMD_Click
    void apply() override;

private:
    void buildWindow();
    int character() const;

    RomFile& rom_;
    GameText& text_;
    // The weapon byte the load found, written back while no combo row is picked.
    std::uint8_t loadedWeapon_ = 0;
    int loadedHpMaximum_ = 0;
    int loadedHpCurrent_ = 0;

    QLabel* CharIndexNumLBL;
    RecordList* CharLST;
    TextBox* NameTXT;
    NumericBox* LVLTXT;
    NumericBox* HPMinTXT;
    NumericBox* HPMaxTXT;
    NumericBox* ATKTXT;
    NumericBox* DEFTXT;
    NumericBox* SPDTXT;
    NumericBox* MAGTXT;
    NumericBox* ACCTXT;
    NumericBox* EVTXT;
    QComboBox* WeaponCBO;
};

void openCharacterEditor(const EditorContext& context);
