#pragma once

#include <QListWidget>

// The list that chooses an editor's record: one row per record, the selected
// row being the record shown.
//
// recordSelected fires when the selection has moved to another row, by mouse,
// keyboard or code, and only then: a mouse press moves the current row before
// the selection, so a handler of currentRowChanged would still read the old one.
// Once a row is selected, nothing the user does (Ctrl+click, Ctrl+Space, a
// click below the last row) leaves the list without one; only the program's own
// clear or fill does, and the editor reselects after it.
class RecordList : public QListWidget {
    Q_OBJECT
public:
    explicit RecordList(QWidget* parent = nullptr);

signals:
    void recordSelected(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void selectionMoved();
};
