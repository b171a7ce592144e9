#include "editors/frame/text_box.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
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

QString TextBox::textBesideSelection() const {
    QString staying = text();
    if (hasSelectedText())
        staying.remove(selectionStart(), selectionLength());
    return staying;
}

qsizetype TextBox::roomBeside(const QString& staying) const {
    return std::max<qsizetype>(typingLimit_ - characterCount(staying), 0);
}

bool TextBox::isWindowShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    const auto actions = window()->findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&pressed](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

bool TextBox::event(QEvent* event) {
    // A line edit claims keys such as Ctrl+E (end of line on X11) before the
    // window's menus see them; the menu's shortcut wins wherever the focus is.
    if (event->type() == QEvent::ShortcutOverride &&
        isWindowShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

QString TextBox::firstCharacters(const QString& text, qsizetype characters) {
    qsizetype units = 0;
    for (; characters > 0 && units < text.size(); --characters)
        units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    return text.left(units);
}

void TextBox::pasteFitting(QClipboard::Mode mode) {
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    // As with the line edit's own paste, an empty clipboard still clears a selection.
    if (pasted.isEmpty() && !hasSelectedText())
        return;
    const QString fits = firstCharacters(pasted, roomBeside(textBesideSelection()));
    if (fits.isEmpty() && !pasted.isEmpty())
        return; // no room: refused, as a typed key is
    // One step on the undo stack, apart from the typing around it, as the line
    // edit's own paste is.
    closeUndoStep();
    insert(fits);
    closeUndoStep();
}

void TextBox::closeUndoStep() {
    // The line edit has no call for it, but ends a step wherever its cursor moves.
    const qsizetype length = text().size();
    if (length == 0)
        return;
    const int cursor = cursorPosition();
    const int start = selectionStart();
    const int selected = selectionLength();
    setCursorPosition(cursor == 0 ? static_cast<int>(length) : 0);
    if (start < 0)
        setCursorPosition(cursor);
    else if (cursor == start)
        setSelection(start + selected, -selected);
    else
        setSelection(start, selected);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    // The line edit's own menu, with its Paste cut as Ctrl+V is.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != QLineEdit::tr("&Paste"))
            continue;
        disconnect(action, nullptr, this, nullptr); // the line edit's own paste
        connect(action, &QAction::triggered, this, [this] { pasteFitting(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the selection clipboard where it was pressed.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFitting(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::dropEvent(QDropEvent* event) {
    // A drop goes in at the drop point and replaces nothing. Text moved within
    // the box keeps its count, and Qt moves it.
    const QString dropped = event->mimeData()->text();
    const bool movedWithin = event->source() == this && event->dropAction() == Qt::MoveAction;
    if (dropped.isEmpty() || isReadOnly() || movedWithin) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString fits = firstCharacters(dropped, roomBeside(text()));
    if (fits == dropped) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (fits.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData cut;
    cut.setText(fits);
    QDropEvent cutDrop(event->position(), event->possibleActions(), &cut, event->buttons(),
                       event->modifiers());
    QLineEdit::dropEvent(&cutDrop);
    // A copy, where the source allows it: a move would delete what was cut off.
    event->setDropAction(event->possibleActions() & Qt::CopyAction ? Qt::CopyAction
                                                                   : cutDrop.dropAction());
    event->setAccepted(cutDrop.isAccepted());
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (committed.isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The commit takes the selection's place and the span it names to replace.
    QString staying = textBesideSelection();
    const int at = hasSelectedText() ? selectionStart() : cursorPosition();
    staying.remove(std::clamp<qsizetype>(at + event->replacementStart(), 0, staying.size()),
                   event->replacementLength());
    const QString fits = firstCharacters(committed, roomBeside(staying));
    if (fits == committed) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fits, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
    event->setAccepted(cut.isAccepted());
}

bool TextBox::typesCharacter(const QKeyEvent& event) {
    return !event.text().isEmpty() && event.key() != Qt::Key_Delete;
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool types = typesCharacter(*event);
    if (types && digitsOnly_) {
        // Control characters (Backspace, Ctrl+V, Enter) are dropped along with the rest.
        const bool allDigits = std::all_of(typed.begin(), typed.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        if (!allDigits) {
            event->accept();
            return;
        }
    }
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        // Ctrl+Shift+Insert pastes the selection clipboard where there is one.
        const bool selection = event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               QGuiApplication::clipboard()->supportsSelection();
        pasteFitting(selection ? QClipboard::Selection : QClipboard::Clipboard);
        event->accept();
        return;
    }
    // Ctrl with a key types nothing in a line edit (Ctrl+Z is Undo), whatever
    // text the platform gives the key.
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    const bool printable =
        held != Qt::ControlModifier && held != (Qt::ControlModifier | Qt::ShiftModifier) &&
        std::ranges::all_of(typed.toUcs4(), [](char32_t c) { return QChar::isPrint(c); });
    if (types && printable) {
        if (characterCount(typed) > roomBeside(textBesideSelection()) || !acceptsTypedText(typed)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
