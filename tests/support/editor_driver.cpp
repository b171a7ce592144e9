#include "editor_driver.h"

#include "widget_helpers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

EditorDriver::EditorDriver(const QByteArray& image)
    : fixture(image), text(rom, fixture.tablePath(), platform) {
    rom.open(fixture.romPath());
}

EditorDriver::~EditorDriver() = default;

void EditorDriver::show(std::unique_ptr<QWidget> window) {
    window_ = std::move(window);
    if (!showActive(*window_))
        qFatal("the window %s never became active", qPrintable(window_->objectName()));
}

QWidget& EditorDriver::window() const {
    if (!window_)
        qFatal("no window is open");
    return *window_;
}

QWidget* EditorDriver::control(const char* name) const {
    auto* found = find<QWidget>(name);
    if (!found)
        qFatal("the window has no control named %s", name);
    return found;
}

void EditorDriver::clickRow(const char* view, int row, Qt::KeyboardModifiers modifiers) {
    auto* list = qobject_cast<QAbstractItemView*>(control(view));
    if (!list || row < 0 || row >= list->model()->rowCount())
        qFatal("%s has no row %d", view, row);
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(index).center());
}

void EditorDriver::pressKey(const char* name, int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = control(name);
    if (!target->hasFocus())
        focusBox(*target);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void EditorDriver::clickTab(const char* tabs, int index) {
    QWidget* found = control(tabs);
    auto* bar = qobject_cast<QTabBar*>(found);
    if (auto* widget = qobject_cast<QTabWidget*>(found))
        bar = widget->tabBar();
    if (!bar || index < 0 || index >= bar->count())
        qFatal("%s has no tab %d", tabs, index);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void EditorDriver::pickCombo(const char* name, int row) {
    auto* combo = qobject_cast<QComboBox*>(control(name));
    if (!combo || row < 0 || row >= combo->count())
        qFatal("%s has no row %d", name, row);
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView* popup = combo->view();
    if (!QTest::qWaitForWindowExposed(popup->window()))
        qFatal("the list of %s never opened", name);
    // Then the row is chosen with the keys, as a person may: a click's release
    // is ignored while it comes too soon after the click that opened the list,
    // and how soon is the desktop's to say.
    QTest::keyClick(popup, Qt::Key_Home);
    for (int k = 0; k < row; ++k)
        QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
}

void EditorDriver::type(const char* name, const QString& typed, bool leave) {
    auto* box = qobject_cast<QLineEdit*>(control(name));
    if (!box)
        qFatal("%s is no text box", name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, typed);
    if (leave)
        QTest::keyClick(box, Qt::Key_Tab);
}

void EditorDriver::dropText(const char* name, const QString& text) {
    QWidget* target = control(name);
    QWindow* handle = window().windowHandle();
    const QPoint at = target->mapTo(&window(), target->rect().center());
    QMimeData data;
    data.setText(text);
    // Sent to the window, not the control, so the drop goes where the system would send it.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(handle, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(handle, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(handle, &leave);
        return;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(handle, &drop);
}

void EditorDriver::click(const char* name) {
    auto* button = qobject_cast<QAbstractButton*>(control(name));
    if (!button)
        qFatal("%s is no button", name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void EditorDriver::wheel(const char* name, int notches) {
    QWidget* target = control(name);
    const QPointF centre = QRectF(target->rect()).center();
    QWheelEvent turn(centre, target->mapToGlobal(centre), {},
                     {0, notches * QWheelEvent::DefaultDeltasPerStep}, Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &turn);
}

void EditorDriver::pickMenuItem(const QString& item) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || !QTest::qWaitForWindowExposed(menu))
        qFatal("no popup menu is open");
    const QList<QAction*> actions = menu->actions();
    const auto found = std::find_if(actions.begin(), actions.end(),
                                    [&item](const QAction* a) { return a->text() == item; });
    if (found == actions.end())
        qFatal("the open menu has no item %s", qPrintable(item));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*found).center());
}
