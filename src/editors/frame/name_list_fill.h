#pragma once

#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;

struct FillOptions {
    // Shown during the fill and hidden after it; null for a fill without a bar.
    QProgressBar* bar = nullptr;
    // false: the bar is shown but stays at its start.
    bool moveBar = true;
    // Shows stepText during the fill and is emptied after it.
    QLabel* stepLabel = nullptr;
    QString stepText{};
    // false: rows appear one by one as they are read.
    bool suspendUpdates = true;
};

using RowText = std::function<QString(int row)>;

// Replaces the rows of a list or combo box with count rows, row i = rowText(i).
// After each row the event loop runs without user input, so the window repaints
// while no click or key (a second Apply, a close) can reach a half-filled list;
// that input waits until the fill is over. Afterwards no row is selected.
void fillNameList(QListWidget& list, int count, const RowText& rowText,
                  const FillOptions& options = {});
void fillNameList(QComboBox& box, int count, const RowText& rowText,
                  const FillOptions& options = {});

// The selected row of a record list, -1 when none is: a row that merely holds
// the keyboard focus is not a selection.
int selectedRow(const QListWidget& list);
