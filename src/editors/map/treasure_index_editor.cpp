#include "editors/map/treasure_index_editor.h"

#include "editors/frame/record_list.h"
#include "editors/map/treasure_index_pane.h"
#include "workspace/rom_file.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Form8::Form8(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Treasure Index Editor - "), context, parent), rom_(context.rom),
      text_(context.text) {
    buildWindow();
    // Form_Load: unlike the treasure editor, nothing is selected until the user picks.
    LoadTreasureIndexes();
    LoadContents();
}

void Form8::buildWindow() {
    setObjectName(QStringLiteral("Form8"));
    auto* columns = new QHBoxLayout(contentArea());
    columns->setContentsMargins(0, 0, 0, 0);

    TreasureIndexLST = new RecordList(contentArea());
    TreasureIndexLST->setObjectName(QStringLiteral("TreasureIndexLST"));
    TreasureIndexLST->setAccessibleName(QStringLiteral("Treasure indexes"));
    TreasureIndexLST->setFixedSize(64, 220);
    columns->addWidget(TreasureIndexLST);

    auto* Frame1 = new QGroupBox(contentArea());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* inside = new QVBoxLayout(Frame1);
    auto* itemLabel = new QLabel(QStringLiteral("What Item/Spell:"), Frame1);
    ContentsCBO = new QComboBox(Frame1);
    ContentsCBO->setObjectName(QStringLiteral("ContentsCBO"));
    ContentsCBO->setMinimumContentsLength(14);
    ContentsCBO->setEnabled(false);
    itemLabel->setBuddy(ContentsCBO);
    DUMMYLBL = new QLabel(Frame1);
    DUMMYLBL->setObjectName(QStringLiteral("DUMMYLBL"));
    inside->addWidget(itemLabel);
    inside->addWidget(ContentsCBO);
    inside->addWidget(DUMMYLBL);
    inside->addStretch();
    columns->addWidget(Frame1, 0, Qt::AlignTop);

    setTabChain({TreasureIndexLST, ContentsCBO, ApplyCMD, QuitCMD});
    connect(TreasureIndexLST, &RecordList::recordSelected, this, &Form8::LoadTreasureIndexData);
}

void Form8::LoadTreasureIndexes() {
    TreasureIndexPane::fillIndexes(*TreasureIndexLST);
}

void Form8::LoadContents() {
    TreasureIndexPane::fillItemCodes(*ContentsCBO, text_);
}

void Form8::LoadTreasureIndexData() {
    loadChecked([this] { TreasureIndexPane::loadEntry(rom_, *TreasureIndexLST, *ContentsCBO); });
}

void Form8::SaveTreasureIndex() {
    if (TreasureIndexPane::saveEntry(rom_, *TreasureIndexLST, *ContentsCBO))
        rom_.flush();
}

void Form8::apply() {
    SaveTreasureIndex();
}
