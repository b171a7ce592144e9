#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"
#include "editors/general/character_rules.h"

#include <array>

class FlagList;
class GameText;
class NumericBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class RecordList;
class RomFile;

// The starting magic editor: which of the twelve spells each character knows at
// the start, and the white, black and wizard magic counts.
class Form4 : public EditorForm {
    Q_OBJECT
public:
    explicit Form4(const EditorContext& context, QWidget* parent = nullptr);

    void LoadCharacterNames();
    void GetMagicNames();
    void CharLST_Click();
    void LoadStartingMagic();
    void SaveStartingMagic();

protected:
    // ApplyCMD_Click
    void apply() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWindow();
    void buildSpellGrid();
    int character() const;

    RomFile& rom_;
    GameText& text_;

    RecordList* CharLST;
    QGroupBox* Frame1;
    FlagList* Magic1LST;
    FlagList* Magic2LST;
    QGroupBox* Frame2;
    NumericBox* WHTXT;
    NumericBox* BLTXT;
    NumericBox* WZTXT;

    // The spell grid, in item order (Spells::Names). It lies below the window's
    // fixed client area, where nobody sees it; it follows the spell lists and is
    // never saved.
    QWidget* spellGrid_;
    std::array<QLabel*, Spells::Count> spellIcons_;
    std::array<QLabel*, Spells::Count> spellLabels_;
    std::array<QCheckBox*, Spells::Count> spellChecks_;
};

void openStartingMagicEditor(const EditorContext& context);
