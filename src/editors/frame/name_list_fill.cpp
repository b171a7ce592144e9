#include "editors/frame/name_list_fill.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

namespace {

// Puts the list and its bar back even when a row cannot be read.
class FillScope {
public:
    FillScope(QWidget& target, const FillOptions& options)
        : target_(target), options_(options),
          resumeUpdates_(options.suspendUpdates && target.updatesEnabled()) {
        if (resumeUpdates_)
            target_.setUpdatesEnabled(false);
        if (options_.bar) {
            options_.bar->setValue(options_.bar->minimum());
            options_.bar->show();
        }
        if (options_.stepLabel)
            options_.stepLabel->setText(options_.stepText);
    }
    ~FillScope() {
        if (resumeUpdates_)
            target_.setUpdatesEnabled(true);
        if (options_.bar)
            options_.bar->hide();
        if (options_.stepLabel)
            options_.stepLabel->clear();
    }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

    void rowAdded(int row) {
        if (options_.bar && options_.moveBar)
            options_.bar->setValue(row);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    QWidget& target_;
    const FillOptions& options_;
    bool resumeUpdates_;
};

template <typename Target, typename AddRow>
void fill(Target& target, int count, const RowText& rowText, const FillOptions& options,
          AddRow addRow) {
    FillScope scope(target, options);
    target.clear();
    for (int row = 0; row < count; ++row) {
        addRow(rowText(row));
        scope.rowAdded(row);
    }
}

} // namespace

void fillNameList(QListWidget& list, int count, const RowText& rowText,
                  const FillOptions& options) {
    fill(list, count, rowText, options, [&list](const QString& text) { list.addItem(text); });
    list.setCurrentRow(-1);
}

void fillNameList(QComboBox& box, int count, const RowText& rowText, const FillOptions& options) {
    fill(box, count, rowText, options, [&box](const QString& text) { box.addItem(text); });
    // The first row added to an empty combo box becomes its current row by itself.
    box.setCurrentIndex(-1);
}

int selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}
