#include "editors/general/text_editor.h"

#include "editors/frame/name_list_fill.h"
#include "editors/frame/record_list.h"
#include "editors/frame/tab_strip.h"
#include "editors/frame/text_box.h"
#include "editors/general/name_tables.h"
#include "editors/general/text_editor_tabs.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <span>
#include <string>
#include <vector>

using namespace TextEditorTabs;
using NameTables::TitleTextBlock;

namespace {

// The rows of title boxes, top to bottom, each left to right; the first row
// stands at the right-hand side.
constexpr int TitleRow1[] = {0};
constexpr int TitleRow2[] = {5};
constexpr int TitleRow3[] = {6, 1, 2, 3};
constexpr int TitleRow4[] = {4, 7, 8};
constexpr std::span<const int> TitleRows[] = {TitleRow1, TitleRow2, TitleRow3, TitleRow4};

struct HiddenBox {
    const char* name;
    int limit;
};
// Boxes of the title frame that nothing shows, reads or writes.
constexpr HiddenBox HiddenTitleBoxes[] = {
    {"Block1_ATXT", 16}, {"Block2_ATXT", 22}, {"Block3_ATXT", 20}};

// The page area under the tab strip, drawn as the style draws a tab widget's pane.
class TabPage : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame pane;
        pane.initFrom(this);
        pane.shape = QTabBar::RoundedNorth;
        pane.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, pane);
    }
};

QString captionText(const char* caption) {
    return QString::fromLatin1(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

TextBox* makeBox(const char* name, int limit) {
    auto* box = new TextBox;
    box->setObjectName(QLatin1String(name));
    box->setTypingLimit(limit);
    box->setWidthInCharacters(limit);
    return box;
}

// Frames hidden behind the current one keep their place, so switching tabs
// never changes the size of the fixed window.
void keepPlaceWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

} // namespace

Form6::Form6(const EditorContext& context, QWidget* parent)
    : EditorForm(QStringLiteral("Text Editor - "), context, parent), TextTAB(new TabStrip),
      currentTab_(new QButtonGroup(this)), pbarLoadLBL(new QLabel(this)) {
    buildWindow();
    // Form_Load
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    LoadText();
}

void Form6::buildWindow() {
    setObjectName(QStringLiteral("Form6"));
    setInfoText(QStringLiteral("Use an _ to separate words in the same line of text."));

    // The bar and its step label run during the load but lie below the window's
    // bottom edge, where no one sees them.
    QProgressBar* bar = progressBar();
    bar->setMaximum(255);
    layout()->removeWidget(bar);
    pbarLoadLBL->setObjectName(QStringLiteral("pbarLoadLBL"));

    auto* column = new QVBoxLayout(contentArea());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    TextTAB->setObjectName(QStringLiteral("TextTAB"));
    TextTAB->setUsesScrollButtons(false);
    for (const Tab& tab : Tabs) {
        const int index = TextTAB->addTab(QString::fromLatin1(tab.caption));
        TextTAB->setTabData(index, QString::fromLatin1(tab.key));
    }
    column->addWidget(TextTAB);

    auto* page = new TabPage;
    column->addWidget(page);
    auto* stack = new QGridLayout(page);
    stack->setContentsMargins(8, 8, 8, 8);
    for (int tab = 0; tab < static_cast<int>(Tabs.size()); ++tab) {
        QGroupBox* frame = tab == TitleTab ? buildTitleFrame() : buildNameFrame(tab);
        frame->setObjectName(QLatin1String(Tabs[tab].frame));
        frame->setTitle(QString::fromLatin1(Tabs[tab].frameCaption));
        keepPlaceWhenHidden(*frame);
        stack->addWidget(frame, 0, 0);
        frame->setVisible(tab == 0);
        frames_[tab] = frame;
        TextTAB->setPage(tab, frame);
    }

    // Hidden and disabled, they record the current tab: one group, so setting one
    // clears the other five.
    for (int n = 1; n <= static_cast<int>(options_.size()); ++n) {
        auto* option = new QRadioButton(QString::number(n), this);
        option->setObjectName(QStringLiteral("OPT%1").arg(n));
        option->setEnabled(false);
        option->hide();
        currentTab_->addButton(option);
        options_[n - 1] = option;
    }
    options_[Tabs[0].option - 1]->setChecked(true);

    // The tab strip first; the rest of the chain follows the page order.
    std::vector<QWidget*> chain{TextTAB};
    for (const NamePage& name : names_) {
        chain.push_back(name.list);
        chain.push_back(name.box);
    }
    for (const std::span<const int> row : TitleRows) {
        for (const int k : row)
            chain.push_back(blocks_[k]);
    }
    chain.push_back(frames_[TitleTab]->findChild<QRadioButton*>(QStringLiteral("DefaultOPT")));
    chain.push_back(ApplyCMD);
    chain.push_back(QuitCMD);
    setTabChain({chain[0], chain[1]});
    for (std::size_t k = 2; k < chain.size(); ++k)
        setTabOrder(chain[k - 1], chain[k]);

    connect(TextTAB, &QTabBar::currentChanged, this, &Form6::TextTAB_Click);
}

QGroupBox* Form6::buildNameFrame(int tab) {
    const NameTab& layout = NameTabs[tab];
    auto* frame = new QGroupBox;
    auto* row = new QHBoxLayout(frame);

    auto* list = new RecordList;
    list->setObjectName(QLatin1String(layout.list));
    list->setAccessibleName(captionText(Tabs[tab].caption));
    const QFontMetrics metrics = list->fontMetrics();
    // room for the longest name (16 characters) beside the scroll bar
    list->setFixedSize(metrics.horizontalAdvance(QLatin1Char('W')) * 14 +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                       metrics.height() * 22);

    auto* right = new QVBoxLayout;
    auto* label = new QLabel(QStringLiteral("Name:"));
    label->setObjectName(QLatin1String(layout.label));
    TextBox* box = makeBox(layout.box, layout.field.length);
    // one width on every tab, so the box stays put when the tab changes
    box->setWidthInCharacters(16);
    label->setBuddy(box);
    right->addWidget(label);
    right->addWidget(box);
    right->addStretch();
    row->addWidget(list);
    row->addSpacing(12);
    row->addLayout(right);
    row->addStretch();

    names_[tab] = {&layout, list, box};
    connect(list, &RecordList::recordSelected, this,
            [this, tab] { loadChecked([this, tab] { loadName(names_[tab]); }, tab); });
    return frame;
}

QGroupBox* Form6::buildTitleFrame() {
    auto* frame = new QGroupBox;
    auto* column = new QVBoxLayout(frame);
    // The rows take the width of the widest, so the first row's box ends where it ends.
    auto* block = new QHBoxLayout;
    auto* rows = new QVBoxLayout;
    block->addLayout(rows);
    block->addStretch();
    column->addLayout(block);

    for (std::size_t k = 0; k < blocks_.size(); ++k) {
        const std::string name = "Block" + std::to_string(k) + "TXT";
        blocks_[k] = makeBox(name.c_str(), TitleTextBlock[k].length);
        blocks_[k]->setAccessibleName(QStringLiteral("Title text %1").arg(k));
    }
    bool first = true;
    for (const std::span<const int> boxes : TitleRows) {
        auto* row = new QHBoxLayout;
        if (first)
            row->addStretch();
        for (const int k : boxes)
            row->addWidget(blocks_[k]);
        if (!first)
            row->addStretch();
        rows->addLayout(row);
        first = false;
    }

    for (const HiddenBox& hidden : HiddenTitleBoxes) {
        TextBox* box = makeBox(hidden.name, hidden.limit);
        box->hide();
        column->addWidget(box);
    }

    column->addSpacing(12);
    auto* defaultOption = new QRadioButton(QStringLiteral("Default Configuration"));
    defaultOption->setObjectName(QStringLiteral("DefaultOPT"));
    defaultOption->setChecked(true);
    auto* customOption = new QRadioButton(QStringLiteral("Custom Configuration"));
    customOption->setObjectName(QStringLiteral("CustomOPT"));
    customOption->setEnabled(false);
    column->addWidget(defaultOption);
    column->addWidget(customOption);
    column->addStretch();
    return frame;
}

void Form6::resizeEvent(QResizeEvent* event) {
    EditorForm::resizeEvent(event);
    placeProgressBelowWindow();
}

void Form6::placeProgressBelowWindow() {
    QProgressBar* bar = progressBar();
    const int top = height() + 8;
    bar->setGeometry(8, top, width() / 2, bar->sizeHint().height());
    pbarLoadLBL->setGeometry(bar->geometry().right() + 8, top, width() / 2 - 24,
                             pbarLoadLBL->sizeHint().height());
}

void Form6::LoadText() {
    for (const int tab : LoadOrder) {
        if (tab == TitleTab) {
            loadChecked(
                [this] {
                    for (std::size_t k = 0; k < blocks_.size(); ++k)
                        blocks_[k]->setText(
                            text().ReadText(TitleTextBlock[k].offset, TitleTextBlock[k].length));
                },
                TitleTab);
            continue;
        }
        const NamePage& page = names_[tab];
        const NameTable& field = page.layout->field;
        // One read per table: a file access per name made the load twice its floor.
        const QStringList names =
            text().ReadTable(field.base, field.stride, field.length, field.count);
        fillNameList(
            *page.list, field.count, [&names](int i) { return names[i]; },
            FillOptions{.bar = progressBar(),
                        .stepLabel = pbarLoadLBL,
                        .stepText = QString::fromLatin1(page.layout->loadStep)});
    }
}

void Form6::TextTAB_Click() {
    const std::optional<int> tab = tabOfKey(TextTAB->tabData(TextTAB->currentIndex()).toString());
    if (!tab)
        return;
    options_[Tabs[*tab].option - 1]->setChecked(true);
    for (std::size_t k = 0; k < frames_.size(); ++k)
        frames_[k]->setVisible(static_cast<int>(k) == *tab);
}

void Form6::loadName(const NamePage& page) {
    const int i = selectedRow(*page.list);
    if (i < 0)
        return;
    const NameTable& field = page.layout->field;
    page.box->setText(text().ReadText(field.offset(i), field.length));
}

void Form6::apply() {
    for (int tab = 0; tab < static_cast<int>(Tabs.size()); ++tab) {
        if (!appliesTo(tab))
            continue;
        if (tab == TitleTab)
            SaveTitleTXT();
        else
            saveName(names_[tab]);
    }
}

bool Form6::appliesTo(int tab) const {
    return options_[Tabs[tab].option - 1]->isChecked();
}

void Form6::saveName(const NamePage& page) {
    const int i = selectedRow(*page.list);
    if (i < 0)
        return;
    const NameTable& field = page.layout->field;
    writeName(text(), field.offset(i), page.box->text(), field.length);
    rom().flush();
}

void Form6::SaveTitleTXT() {
    for (std::size_t k = 0; k < blocks_.size(); ++k)
        writeName(text(), TitleTextBlock[k].offset, blocks_[k]->text(), TitleTextBlock[k].length);
    rom().flush();
}

void openTextEditor(const EditorContext& context) {
    Form6 form(context);
    form.exec();
}
