#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"

#include <cstdint>
#include <functional>
#include <optional>

class NumericBox;
class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class RecordList;
class TextBox;

// The treasure editor: the chests and boxes of the offset table with their
// contents, position, elevation and kind; the treasure index table; and the six
// treasure global bytes. Apply writes all three, in that order.
class Form9 : public EditorForm {
    Q_OBJECT
public:
    explicit Form9(const EditorContext& context, QWidget* parent = nullptr);

    void TreasureLST_Click();
    void LoadOffset();
    void LoadTreasureContents();
    void SaveTreasureContents();

    void LoadTreasureIndexes();
    void LoadIndex();
    void LoadContents();
    void LoadTreasureIndexData();
    void SaveTreasureIndex();
    void RefreshContentsCMD_Click();

    void LoadGlobalData();
    void SaveGlobalData();

    void CopyToClipboardCMD_Click();
    void mnuCopyToClipboard_Click();
    void ShowHiddenListBoxCMD_Click();

protected:
    // ApplyCMD_Click
    void apply() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Loaded apart, and all three written by every Apply: the six global bytes
    // load only as the window opens, so a failure there holds until it opens again.
    enum Part { ChestPart, IndexPart, GlobalPart };

    void buildWindow();
    QWidget* buildChestPane(QWidget* frame);
    QWidget* buildGlobalFrame(QWidget* frame);
    // The file offset OffsetTXT names, while a chest is selected.
    std::optional<std::int64_t> recordOffset() const;
    // While the contents list is refilled, runs retry once the fill has ended
    // and returns true: the list must end with its 256 rows, in order.
    bool waitForFill(std::function<void()> retry);
    void updateRangeLabel();
    void updateCutOffLabel();

    RomFile& rom_;
    GameText& text_;
    bool filling_ = false;

    RecordList* TreasureLST;
    QComboBox* ContentsCBO;
    QPushButton* RefreshContentsCMD;
    QButtonGroup* kindGroup_;
    QRadioButton* TChestOPT;
    QRadioButton* TBoxOPT;
    NumericBox* YTXT;
    NumericBox* XTXT;
    NumericBox* ElevationTXT;
    TextBox* OffsetTXT;
    QPushButton* CopyToClipboardCMD;
    QMenu* mnuCopy;
    QAction* mnuCopyToClipboard;
    QPushButton* ShowHiddenListBoxCMD;

    NumericBox* ConsumableWeaponsTXT;
    NumericBox* ConsumableItemsTXT;
    NumericBox* SuperChestTXT;
    NumericBox* SuperChestRangeATXT;
    NumericBox* SuperChestRangeBTXT;
    NumericBox* CutOffTXT;
    QLabel* SuperChestRangeHexLBL;
    QLabel* SplitBitHexLBL;

    RecordList* TreasureIndexLST;
    QComboBox* TreasureIndexCBO;
};

void openTreasureEditor(const EditorContext& context);
