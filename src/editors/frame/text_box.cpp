#include "editors/frame/text_box.h"

#include <QKeyEvent>
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
        std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); });
    if (printable) {
        const qsizetype after = text().size() - selectedText().size() + typed.size();
        if (after > typingLimit_ || !acceptsTypedText(typed)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
