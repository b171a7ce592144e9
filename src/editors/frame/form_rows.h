#pragma once

#include <QString>

class NumericBox;
class QFormLayout;
class QLabel;
class QWidget;
class TextBox;

// Rows of a QFormLayout of captioned boxes. The caption label is the box's buddy,
// so a screen reader names the box by it; a widget given as beside (a hint
// label, say) stands to the right of the box. form.setRowVisible(captionOf(box),
// false) hides a whole row.

NumericBox* addNumericRow(QFormLayout& form, const QString& caption, const QString& objectName,
                          int cap, int typingLimit, QWidget* beside = nullptr);

TextBox* addTextRow(QFormLayout& form, const QString& caption, const QString& objectName,
                    int typingLimit, QWidget* beside = nullptr);

// The label that names box (its buddy), or null; found once the rows' layout
// stands on a widget.
QLabel* captionOf(const QWidget& box);
