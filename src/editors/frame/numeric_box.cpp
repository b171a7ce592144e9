#include "editors/frame/numeric_box.h"

#include "editors/frame/decimal_value.h"

#include <QFocusEvent>
#include <QKeyEvent>

NumericBox::NumericBox(int cap, int typingLimit, QWidget* parent) : TextBox(parent), cap_(cap) {
    setDigitsOnly(true);
    setTypingLimit(typingLimit);
    // Composed input would arrive past the key filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // Dropped text would pass the key filter and the typing limit, and the box
    // need not have the focus, so no correction would run before Apply.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (capOnChange_)
            capAt(cap_);
    });
}

int NumericBox::value() const {
    return decimalValue(text()).value_or(0);
}

bool NumericBox::holdsNumber() const {
    return decimalValue(text()).has_value();
}

void NumericBox::correct() {
    if (leaveRule_) {
        leaveRule_(*this);
        return;
    }
    emptyToZero();
    capAt(cap_);
}

void NumericBox::emptyToZero() {
    if (!holdsNumber())
        setText(QStringLiteral("0"));
}

void NumericBox::capAt(int limit) {
    const auto number = decimalValue(text());
    if (number && *number > limit)
        setText(QString::number(limit));
}

void NumericBox::setCapOnChange(bool on) {
    capOnChange_ = on;
    if (on)
        capAt(cap_);
}

void NumericBox::keyPressEvent(QKeyEvent* event) {
    if (capOnKey_ && typesCharacter(*event))
        capAt(cap_);
    TextBox::keyPressEvent(event);
}

void NumericBox::focusOutEvent(QFocusEvent* event) {
    // A context menu or another application taking the focus does not leave the
    // box: the user comes back to it, and Apply corrects it in any case.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        correct();
    TextBox::focusOutEvent(event);
}
