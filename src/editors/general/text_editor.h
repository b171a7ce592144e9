#pragma once

#include "editors/editor_context.h"
#include "editors/frame/editor_form.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class RecordList;
class TabStrip;
class TextBox;
namespace TextEditorTabs {
struct NameTab;
}

// The text editor: five name tables (characters, monsters, monster attacks,
// items and magic, areas), each a list with one box for the picked name, and the
// nine title-screen texts. Apply writes only what the current tab edits; no list
// has a selection until the user picks a row.
class Form6 : public EditorForm {
    Q_OBJECT
public:
    explicit Form6(const EditorContext& context, QWidget* parent = nullptr);

    void LoadText();
    void TextTAB_Click();
    void SaveTitleTXT();

protected:
    // ApplyCMD_Click: the saver of the current tab, and only that one.
    void apply() override;
    // Each name tab and the title are loaded apart, keyed by their tab index;
    // the option of the current tab says which one Apply writes.
    bool appliesTo(int tab) const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The controls of one name tab, made from its row of TextEditorTabs::NameTabs.
    struct NamePage {
        const TextEditorTabs::NameTab* layout = nullptr;
        RecordList* list = nullptr;
        TextBox* box = nullptr;
    };

    void buildWindow();
    QGroupBox* buildNameFrame(int tab);
    QGroupBox* buildTitleFrame();
    void placeProgressBelowWindow();

    // The five list clicks: the picked entry into the tab's box.
    void loadName(const NamePage& page);
    // The five name savers: the box into the picked entry; no picked row, no write.
    void saveName(const NamePage& page);

    TabStrip* TextTAB;
    std::array<QGroupBox*, 6> frames_{};
    // OPT1..OPT6; options_[n - 1] is OPTn.
    std::array<QRadioButton*, 6> options_{};
    QButtonGroup* currentTab_;
    std::array<NamePage, 5> names_{};
    // Block0TXT..Block8TXT, bound to the title fields 0..8.
    std::array<TextBox*, 9> blocks_{};
    QLabel* pbarLoadLBL;
};

void openTextEditor(const EditorContext& context);
