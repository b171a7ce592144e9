#pragma once

#include "editors/frame/text_box.h"

#include <functional>
#include <utility>

// A box for one unsigned decimal number. Only digits can be typed; on leaving
// the box an empty text (or one that is no number, as a paste can leave) becomes
// "0" and a number above the cap becomes the cap. "007" is left as it is.
//
// The few boxes that behave differently use the hooks below rather than a copy
// of this class: an early cap in the key filter, a cap on every text change, and
// a rule of their own in place of the correction on leaving.
class NumericBox : public TextBox {
    Q_OBJECT
public:
    explicit NumericBox(int cap = 255, int typingLimit = 3, QWidget* parent = nullptr);

    int cap() const { return cap_; }
    void setCap(int cap) { cap_ = cap; }

    // The number shown; 0 while the text is no number (never so after correct()
    // with the standard rule).
    int value() const;
    bool holdsNumber() const;

    // The correction on leaving: the box's own rule when it has one, else
    // emptyToZero() then capAt(cap()). Run by focus-out and by the form before Apply.
    void correct();
    // An empty text, or one that is no number, becomes "0".
    void emptyToZero();
    // A number above limit becomes limit in decimal; anything else stays.
    void capAt(int limit);

    // Each typed key, refused or not, first caps the text the box holds before
    // the key lands. The new text leaves nothing selected, so in a full box the
    // key then has no room.
    void setCapOnKey(bool on) { capOnKey_ = on; }
    // Every change of the text, the program's included, caps it at once. Slots of
    // textChanged connected later should read text(), not their argument.
    void setCapOnChange(bool on);

    using LeaveRule = std::function<void(NumericBox&)>;
    // Replaces the standard correction; an empty rule restores it.
    void setLeaveRule(LeaveRule rule) { leaveRule_ = std::move(rule); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int cap_;
    bool capOnKey_ = false;
    bool capOnChange_ = false;
    LeaveRule leaveRule_;
};
