#include "editors/frame/text_box.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
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
    // A line edit claims keys such as Ctrl+E (end of line on X11) before the
    // window's menus see them; the menu's shortcut wins wherever the focus is.
    if (event->type() == QEvent::ShortcutOverride &&
        isWindowShortcut(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const qsizetype free = std::max<qsizetype>(room(), 0);
    if (characterCount(commit) <= free) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString kept;
    for (qsizetype i = 0; i < commit.size() && characterCount(kept) < free; ++i) {
        kept += commit[i];
        if (commit[i].isHighSurrogate() && i + 1 < commit.size())
            kept += commit[++i];
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
    event->accept();
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
