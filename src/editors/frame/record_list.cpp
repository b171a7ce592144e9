#include "editors/frame/record_list.h"

#include "editors/frame/name_list_fill.h"

RecordList::RecordList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &RecordList::selectionMoved);
}

void RecordList::selectionMoved() {
    // An emptied list (a fill) has no record; the reselect after it loads one again.
    if (const int row = selectedRow(*this); row >= 0)
        emit recordSelected(row);
}

QItemSelectionModel::SelectionFlags RecordList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    using Flag = QItemSelectionModel::SelectionFlag;
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    const bool removes = flags.testAnyFlags(Flag::Deselect | Flag::Toggle) ||
                         (flags.testFlag(Flag::Clear) && !flags.testFlag(Flag::Select));
    if (!removes || !selectionModel()->hasSelection())
        return flags;
    // A toggle of another row selects that row; a toggle of the selected one does nothing.
    if (index.isValid() && !selectionModel()->isSelected(index))
        return Flag::ClearAndSelect | Flag::Rows;
    return Flag::NoUpdate;
}
