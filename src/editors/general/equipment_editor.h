#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"

#include <array>

class FlagList;
class GameText;
class NumericBox;
class QFrame;
class QMenu;
class QToolButton;
class RecordList;
class RomFile;
class TabStrip;
class TextBox;

// The equipment editor: the 15 weapons and the 17 armours, each on its own tab
// with its name, numbers and two flag lists. Apply writes the record of the
// frame that shows and nothing else.
class Form5 : public EditorForm {
    Q_OBJECT
public:
    explicit Form5(const EditorContext& context, QWidget* parent = nullptr);

    void LoadWeaponNames();
    void LoadArmorNames();
    void WPLST_Click();
    void ARLST_Click();
    void LoadWeapon();
    void LoadArmor();
    void ItemsTAB_Click();
    void SaveWeapon();
    void SaveArmor();
    void ElementCMD_Click();

protected:
    // ApplyCMD_Click
    void apply() override;
    // The frame hidden, not merely unseen: a window not yet shown still saves its weapon.
    bool appliesTo(int part) const override;

private:
    enum Part { WeaponPart, ArmorPart };

    void buildWindow();
    QFrame* buildWeaponFrame();
    QFrame* buildArmorFrame();
    int weapon() const;
    int armor() const;

    RomFile& rom_;
    GameText& text_;

    TabStrip* ItemsTAB;

    QFrame* WPFRM;
    RecordList* WPLST;
    TextBox* WPNameTXT;
    NumericBox* WPATKTXT;
    // WPUnkByte1TXT .. WPUnkByte5TXT: weapon bytes +3 .. +7.
    std::array<NumericBox*, 5> weaponUnknown_;
    FlagList* WPAilmentLST;
    FlagList* WPElementLST;

    QFrame* ARFRM;
    RecordList* ARLST;
    TextBox* ARNameTXT;
    NumericBox* ARDEFTXT;
    NumericBox* AREqPositionTXT;
    NumericBox* ARUnkByte1TXT;
    FlagList* ARDefenseLST;
    FlagList* ARAilmentLST;

    QToolButton* ElementCMD;
    QMenu* mnuElement;
};

void openEquipmentEditor(const EditorContext& context);
