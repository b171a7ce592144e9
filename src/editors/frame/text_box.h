#pragma once

#include <QLineEdit>

// A line edit whose length limit holds for typing only: text the program puts in
// is shown whole (QLineEdit::setMaxLength would cut a loaded "255" to "25").
// With digitsOnly, every typed character outside "0".."9" is dropped, Backspace
// too; keys that type nothing (Delete, arrows) keep their usual effect.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    int typingLimit() const { return typingLimit_; }
    void setTypingLimit(int limit) { typingLimit_ = limit; }
    bool digitsOnly() const { return digitsOnly_; }
    void setDigitsOnly(bool on) { digitsOnly_ = on; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Lets a subclass drop a typed character after the built-in filters passed it.
    virtual bool acceptsTypedText(const QString& text) {
        Q_UNUSED(text);
        return true;
    }

private:
    int typingLimit_ = 32767;
    bool digitsOnly_ = false;
};
