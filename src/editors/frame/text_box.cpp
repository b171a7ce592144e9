#include "editors/frame/text_box.h"

#include <QAction>
#include <QDropEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>
#include <algorithm>

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::setWidthInCharacters(int characters) {
    widthInCharacters_ = characters;
    setSizePolicy(characters > 0 ? QSizePolicy::Fixed : QSizePolicy::Expanding,
                  sizePolicy().verticalPolicy());
    updateGeometry();
}

QSize TextBox::sizeHint() const {
    QSize size = QLineEdit::sizeHint();
    if (widthInCharacters_ > 0) {
        // QLineEdit's own hint is 17 'x' wide; trade those for the characters wanted.
        const QFontMetrics metrics = fontMetrics();
        const int character = std::max(metrics.horizontalAdvance(QLatin1Char('0')),
                                       metrics.horizontalAdvance(QLatin1Char('x')));
        size.rwidth() +=
            (widthInCharacters_ + 1) * character - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    }
    return size;
}

qsizetype TextBox::characterCount(const QString& text) {
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

qsizetype TextBox::room() const {
    return typingLimit_ - (characterCount(text()) - characterCount(selectedText()));
}

bool TextBox::isWindowShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    const auto actions = window()->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

bool TextBox::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // A line edit claims keys such as Ctrl+E (end of line on X11) before the
        // window's menus see them; the menu's shortcut wins wherever the focus is.
        if (isWindowShortcut(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::Drop:
        // Text dragged within the box is judged when the drag ends (mouse move).
        if (static_cast<QDropEvent*>(event)->source() == this)
            break;
        [[fallthrough]];
    case QEvent::KeyPress:           // Ctrl+V, Shift+Insert
    case QEvent::InputMethod:        // composed text
    case QEvent::MouseButtonRelease: // middle-click paste
    case QEvent::MouseMove: {        // a drag within the box
        const QString before = text();
        const bool handled = QLineEdit::event(event);
        if (text() != before)
            cutInsertedToRoom(before);
        return handled;
    }
    default:
        break;
    }
    return QLineEdit::event(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    // The line edit's own menu. Its Paste runs after this event has returned and
    // after the menu has hidden, so the insertion is judged on the next turn.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::aboutToHide, this, [this, before = text()] {
        QTimer::singleShot(0, this, [this, before] {
            if (text() != before)
                cutInsertedToRoom(before);
        });
    });
    menu->popup(event->globalPos());
}

void TextBox::cutInsertedToRoom(const QString& before) {
    const QList<uint> was = before.toUcs4();
    const QList<uint> now = text().toUcs4();
    if (now.size() <= typingLimit_)
        return;
    // What stands between the unchanged head and tail is what the action put in.
    qsizetype head = 0;
    while (head < was.size() && head < now.size() && was[head] == now[head])
        ++head;
    qsizetype tail = 0;
    while (tail < was.size() - head && tail < now.size() - head &&
           was[was.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const qsizetype inserted = now.size() - head - tail;
    const qsizetype room = std::max<qsizetype>(typingLimit_ - (head + tail), 0);
    if (inserted <= room)
        return;
    const auto units = [&now](qsizetype characters) {
        // a character past the Basic Multilingual Plane takes two UTF-16 units
        return static_cast<int>(characters + std::count_if(now.begin(), now.begin() + characters,
                                                           [](uint c) { return c > 0xFFFF; }));
    };
    // Removed as an edit, so the cursor stays at the end of what was kept.
    setSelection(units(head + room), units(head + inserted) - units(head + room));
    del();
}

bool TextBox::typesCharacter(const QKeyEvent& event) {
    return !event.text().isEmpty() && event.key() != Qt::Key_Delete;
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (!typesCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (digitsOnly_) {
        // Control characters (Backspace, Ctrl+V, Enter) are dropped along with the rest.
        const bool allDigits = std::all_of(typed.begin(), typed.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        if (!allDigits) {
            event->accept();
            return;
        }
    }
    const bool printable =
        std::ranges::all_of(typed.toUcs4(), [](char32_t c) { return QChar::isPrint(c); });
    if (printable) {
        if (characterCount(typed) > room() || !acceptsTypedText(typed)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
