// Times every editor in one process: opening it (its fills run and record 0
// loaded) and its Apply, each the median of repeated runs, beside a floor
// measured in the same run: a bare dialog rebuilt from the editor's own widget
// census (as many lists, flag lists and combo boxes with as many rows each, line
// edits, check boxes, option buttons, labels and frames, with fixed text and no
// ROM access) and filled by the same fill. Floor and open runs alternate, so a
// burst of load from elsewhere on a shared machine falls on both sides alike.
// An editor whose Apply writes only a selected row has a row clicked first, so
// Apply times a real write. The ROM lies in /dev/shm where there is one, so the
// flush after Apply costs nothing there.
//   QT_QPA_PLATFORM=offscreen bench_editors [RUNS]
// To add an editor, add a row to Editors below.

#include "editor_driver.h"
#include "editors/frame/editor_form.h"
#include "editors/frame/flag_list.h"
#include "editors/frame/name_list_fill.h"
#include "editors/general/attack_editor.h"
#include "editors/general/character_editor.h"
#include "editors/general/equipment_editor.h"
#include "editors/general/monster_editor.h"
#include "editors/general/starting_magic_editor.h"
#include "editors/general/text_editor.h"
#include "editors/map/battlefield_editor.h"
#include "editors/map/treasure_editor.h"
#include "editors/map/treasure_index_editor.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct BenchedEditor {
    const char* name;
    std::function<std::unique_ptr<QDialog>(const EditorContext&)> make;
    // Apply's target: 2 ms plus the list reload its Apply does.
    double applyBudgetMs;
    // The list whose row Apply writes, clicked before Apply; null when Apply
    // writes the record the window opened on.
    const char* rowList = nullptr;
    // A name box whose text changes before each Apply, since a name left as it
    // reads writes nothing; null where Apply writes other fields anyway.
    const char* nameBox = nullptr;
};

template <class Form> std::unique_ptr<QDialog> make(const EditorContext& context) {
    return std::make_unique<Form>(context);
}

const BenchedEditor Editors[] = {
    {"monster", &make<Form2>, 2.0},
    {"text", &make<Form6>, 2.0, "CharLST", "CharNameTXT"},
    {"battlefield", &make<Form10>, 2.0},
    {"equipment", &make<Form5>, 2.0},
    // its Apply fills the list of 156 names again
    {"attack", &make<Form7>, 3.0},
    {"character", &make<Form3>, 2.0},
    {"starting magic", &make<Form4>, 2.0},
    {"treasure", &make<Form9>, 2.0},
    {"treasure index", &make<Form8>, 2.0, "TreasureIndexLST"},
};

// What an editor window holds, counted from the window itself: every list,
// flag list and combo box with its rows, and the line edits, check boxes,
// option buttons, labels (captions and pictures) and frames.
struct Census {
    std::vector<int> listRows;
    std::vector<int> flagRows;
    std::vector<int> comboRows;
    int lineEdits = 0;
    int checkBoxes = 0;
    int options = 0;
    int labels = 0;
    int frames = 0;
};

Census censusOf(const QWidget& window) {
    Census c;
    for (const QListWidget* list : window.findChildren<QListWidget*>())
        (qobject_cast<const FlagList*>(list) ? c.flagRows : c.listRows).push_back(list->count());
    for (const QComboBox* combo : window.findChildren<QComboBox*>())
        c.comboRows.push_back(combo->count());
    c.lineEdits = static_cast<int>(window.findChildren<QLineEdit*>().size());
    c.checkBoxes = static_cast<int>(window.findChildren<QCheckBox*>().size());
    c.options = static_cast<int>(window.findChildren<QRadioButton*>().size());
    c.labels = static_cast<int>(window.findChildren<QLabel*>().size());
    c.frames = static_cast<int>(window.findChildren<QGroupBox*>().size());
    return c;
}

// The same widgets with fixed text, filled by the same fill, reading nothing.
void buildFloor(const Census& c) {
    QDialog dialog;
    auto* column = new QVBoxLayout(&dialog);
    for (const int rows : c.listRows) {
        auto* list = new QListWidget;
        column->addWidget(list);
        fillNameList(*list, rows, [](int) { return QStringLiteral("Fixed Name      "); });
    }
    for (const int rows : c.flagRows) {
        auto* flags = new QListWidget;
        column->addWidget(flags);
        for (int i = 0; i < rows; ++i) {
            auto* row = new QListWidgetItem(QStringLiteral("Fixed Flag"), flags);
            row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
            row->setCheckState(Qt::Unchecked);
        }
    }
    for (const int rows : c.comboRows) {
        auto* combo = new QComboBox;
        column->addWidget(combo);
        fillNameList(*combo, rows, [](int) { return QStringLiteral("Fixed Item  "); });
    }
    for (int i = 0; i < c.lineEdits; ++i)
        column->addWidget(new QLineEdit(QStringLiteral("123")));
    for (int i = 0; i < c.checkBoxes; ++i)
        column->addWidget(new QCheckBox(QStringLiteral("Fixed Check")));
    for (int i = 0; i < c.options; ++i)
        column->addWidget(new QRadioButton(QStringLiteral("Fixed Option")));
    for (int i = 0; i < c.labels; ++i)
        column->addWidget(new QLabel(QStringLiteral("Fixed Caption:")));
    for (int i = 0; i < c.frames; ++i)
        column->addWidget(new QGroupBox(QStringLiteral("Fixed Frame:")));
}

double timedMs(const std::function<void()>& timed) {
    QElapsedTimer clock;
    clock.start();
    timed();
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// What the editor missed, or "ok".
QString verdict(double floor, double open, double applied, double budget) {
    QStringList missed;
    if (open > 2 * floor)
        missed << QString::asprintf("open %.2fx its floor, target 2x", open / floor);
    if (applied >= budget)
        missed << QString::asprintf("apply %.1f ms, budget %.1f ms", applied, budget);
    return missed.isEmpty() ? QStringLiteral("ok")
                            : QStringLiteral("OVER: ") + missed.join(QStringLiteral("; "));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 31;

    // The driver's ROM goes into a temporary folder, under TMPDIR.
    if (QDir(QStringLiteral("/dev/shm")).exists())
        qputenv("TMPDIR", "/dev/shm");
    EditorDriver driver;
    const EditorContext context = driver.context();

    std::printf("medians of %d runs, in ms\n", runs);
    std::printf("%-18s %8s %8s %7s %8s %8s  %s\n", "editor", "floor", "open", "ratio", "apply",
                "budget", "verdict");
    bool allMet = true;
    for (const BenchedEditor& editor : Editors) {
        std::unique_ptr<QDialog> sample = editor.make(context);
        const Census census = censusOf(*sample);
        std::vector<double> floorMs, openMs, applyMs;
        for (int r = 0; r < runs; ++r) {
            floorMs.push_back(timedMs([&] { buildFloor(census); }));
            openMs.push_back(timedMs([&] { editor.make(context); }));
        }
        QWidget* window = sample.get();
        if (editor.rowList) {
            driver.show(std::move(sample));
            driver.clickRow(editor.rowList, 1);
        }
        auto* apply = window->findChild<QAbstractButton*>(QStringLiteral("ApplyCMD"));
        auto* name = editor.nameBox ? window->findChild<QLineEdit*>(editor.nameBox) : nullptr;
        for (int r = 0; apply && r < runs; ++r) {
            if (name)
                name->setText(r % 2 ? QStringLiteral("Odd") : QStringLiteral("Even"));
            applyMs.push_back(timedMs([&] { apply->click(); }));
        }
        const double floor = median(floorMs), open = median(openMs);
        const double applied = applyMs.empty() ? 0.0 : median(applyMs);
        const QString told = verdict(floor, open, applied, editor.applyBudgetMs);
        allMet = allMet && told == QLatin1String("ok");
        std::printf("%-18s %8.3f %8.3f %6.2fx %8.3f %8.1f  %s\n", editor.name, floor, open,
                    open / floor, applied, editor.applyBudgetMs, qPrintable(told));
    }
    return allMet ? 0 : 3;
}
