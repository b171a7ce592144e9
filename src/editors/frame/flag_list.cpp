#include "editors/frame/flag_list.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

constexpr int RowCount = 8;

// A check row is one target: the small box alone is too small a place to click.
class RowToggleDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const Qt::ItemFlags flags = index.flags();
            if (mouse->button() == Qt::LeftButton &&
                option.rect.contains(mouse->position().toPoint()) &&
                flags.testFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled)) {
                const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
                return model->setData(index, checked ? Qt::Unchecked : Qt::Checked,
                                      Qt::CheckStateRole);
            }
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
};

} // namespace

FlagList::FlagList(const std::array<QString, 8>& rowTexts, QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new RowToggleDelegate(this));
    // The check marks are the state; a selection highlight would only compete with them.
    setSelectionMode(QAbstractItemView::NoSelection);
    setSizePolicy(sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    for (const QString& text : rowTexts) {
        auto* row = new QListWidgetItem(text, this);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
}

void FlagList::load(std::uint8_t flags) {
    for (int bit = 0; bit < RowCount; ++bit)
        item(bit)->setCheckState((flags >> bit) & 1 ? Qt::Checked : Qt::Unchecked);
}

std::uint8_t FlagList::save() const {
    unsigned flags = 0;
    for (int bit = 0; bit < RowCount; ++bit) {
        if (item(bit)->checkState() == Qt::Checked)
            flags |= 1u << bit;
    }
    return static_cast<std::uint8_t>(flags);
}

QSize FlagList::sizeHint() const {
    QSize size = QListWidget::sizeHint();
    // a little room under the last check box, which styles draw a pixel taller than its row
    size.setHeight(RowCount * sizeHintForRow(0) + 2 * frameWidth() + 2);
    return size;
}
