#pragma once

#include <QClipboard>
#include <QLineEdit>

// A line edit whose length limit holds for what the user puts in: text the
// program puts in is shown whole (QLineEdit::setMaxLength would cut a loaded
// "255" to "25"). Typed keys past the limit are dropped; pasted, dropped and
// composed text keeps its own start and is cut to the room left before it goes
// in, as one edit that Undo takes back whole, so the box never shows more than
// its field stores.
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
    // Sizes the box for this many characters in its own font and keeps it at
    // that width; 0 restores the line edit's usual width.
    void setWidthInCharacters(int characters);
    QSize sizeHint() const override;

    // Characters as the user sees them: a character outside the Basic
    // Multilingual Plane (an emoji) is one, not two UTF-16 units.
    static qsizetype characterCount(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // True for a key that types a character (Backspace and control keys included),
    // false for keys that only move or delete (arrows, Delete).
    static bool typesCharacter(const QKeyEvent& event);
    // Lets a subclass drop a typed character after the built-in filters passed it.
    virtual bool acceptsTypedText(const QString& text) {
        Q_UNUSED(text);
        return true;
    }

private:
    // True when the key is the shortcut of an enabled action of the window.
    bool isWindowShortcut(const QKeyEvent& event) const;
    // The text that stays when what comes in replaces the selection.
    QString textBesideSelection() const;
    // How many characters may go in beside the text that stays; never below 0.
    qsizetype roomBeside(const QString& staying) const;
    // The text's first characters, a pair of UTF-16 units counting as one.
    static QString firstCharacters(const QString& text, qsizetype characters);
    // Pastes what fits of the clipboard in place of the selection.
    void pasteFitting(QClipboard::Mode mode);
    // Ends the line edit's current undo step, keeping cursor and selection.
    void closeUndoStep();

    int typingLimit_ = 32767;
    bool digitsOnly_ = false;
    int widthInCharacters_ = 0;
};
