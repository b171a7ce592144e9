#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"
#include "editors/map/battlefield_reward.h"

#include <optional>

class GameText;
class NumericBox;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QRadioButton;
class QTimer;
class RecordList;
class RomFile;
class TextBox;

// The battlefield editor: each of the 20 battlefields' reward (GP, EXP, or an
// item or spell) and number of rounds, beside a picture of the place.
class Form10 : public EditorForm {
    Q_OBJECT
public:
    explicit Form10(const EditorContext& context, QWidget* parent = nullptr);

    void LoadItemMagic();
    void BattlefieldLST_Click();
    void LoadBattlefieldIMG();
    void LoadBattlefieldData();
    void SaveBattlefieldData();

    void GPOPT_Click();
    void EXPOPT_Click();
    void ItemMagicOPT_Click();

protected:
    // ApplyCMD_Click
    void apply() override;

private:
    using RewardKind = BattlefieldRules::RewardKind;

    struct KindBoxes {
        TextBox* amount;
        NumericBox* low;
        NumericBox* high;
    };

    void buildWindow();
    void buildFrame(QWidget& frame);
    KindBoxes addKindLine(QGridLayout& grid, int line, QRadioButton* option, const char* amountName,
                          const char* lowName, const char* highName);
    int battlefield() const;
    KindBoxes boxesOf(RewardKind kind) const;
    std::optional<RewardKind> chosenKind() const;
    void chooseNoKind();
    // The enabling rule shared by the three options: the chosen kind's boxes on,
    // the rest off; GP and EXP put the combo back on "Nothing".
    void enableFor(RewardKind kind);
    void showBoxes(RewardKind kind, const BattlefieldRules::RewardBoxes& shown);
    void emptyAllBoxes();
    // GPThreeXTXT_LostFocus and its three siblings.
    void componentBoxLeft(RewardKind kind);
    void tmr_Timer() {}

    RomFile& rom_;
    GameText& text_;

    RecordList* BattlefieldLST;
    NumericBox* RoundsTXT;
    QRadioButton* GPOPT;
    QRadioButton* EXPOPT;
    QRadioButton* ItemMagicOPT;
    QButtonGroup* options_;
    KindBoxes gp_;
    KindBoxes exp_;
    QComboBox* ItemMagicCBO;
    QLabel* BattlefieldIMG;
    QTimer* tmr;
};

void openBattlefieldEditor(const EditorContext& context);
