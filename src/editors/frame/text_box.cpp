#include "editors/frame/text_box.h"

#include <QKeyEvent>
#include <algorithm>

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool typesCharacter = !typed.isEmpty() && event->key() != Qt::Key_Delete;
    if (!typesCharacter) {
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
