#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"

class QComboBox;
class QLabel;
class RecordList;

// The treasure index table one entry at a time, without the chests and global
// bytes of the treasure editor. Nothing in the program opens it: the treasure
// editor edits the same table.
class Form8 : public EditorForm {
    Q_OBJECT
public:
    explicit Form8(const EditorContext& context, QWidget* parent = nullptr);

    void LoadTreasureIndexes();
    // The item names into this window's item combo.
    void LoadContents();
    void LoadTreasureIndexData();
    void SaveTreasureIndex();

protected:
    // ApplyCMD_Click
    void apply() override;

private:
    void buildWindow();

    RomFile& rom_;
    GameText& text_;

    RecordList* TreasureIndexLST;
    QComboBox* ContentsCBO;
    QLabel* DUMMYLBL;
};
