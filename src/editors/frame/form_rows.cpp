#include "editors/frame/form_rows.h"

#include "editors/frame/numeric_box.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

namespace {

void addRow(QFormLayout& form, const QString& caption, TextBox& box, QWidget* beside) {
    auto* label = new QLabel(caption, form.parentWidget());
    label->setBuddy(&box);
    if (!beside) {
        form.addRow(label, &box);
        return;
    }
    auto* line = new QHBoxLayout;
    line->addWidget(&box);
    line->addWidget(beside);
    line->addStretch();
    form.addRow(label, line);
}

} // namespace

NumericBox* addNumericRow(QFormLayout& form, const QString& caption, const QString& objectName,
                          int cap, int typingLimit, QWidget* beside) {
    // Made inside the form's widget where it has one: a control moved in later
    // takes the window's font a second time, at a cost that shows in the opening.
    auto* box = new NumericBox(cap, typingLimit, form.parentWidget());
    box->setObjectName(objectName);
    // The program can put in the cap itself, which may be longer than the typing limit.
    box->setWidthInCharacters(std::max<int>(typingLimit, QString::number(cap).size()));
    addRow(form, caption, *box, beside);
    return box;
}

TextBox* addTextRow(QFormLayout& form, const QString& caption, const QString& objectName,
                    int typingLimit, QWidget* beside) {
    auto* box = new TextBox(form.parentWidget());
    box->setObjectName(objectName);
    box->setTypingLimit(typingLimit);
    box->setWidthInCharacters(typingLimit);
    addRow(form, caption, *box, beside);
    return box;
}

QLabel* captionOf(const QWidget& box) {
    if (!box.parentWidget())
        return nullptr;
    const auto labels = box.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : labels) {
        if (label->buddy() == &box)
            return label;
    }
    return nullptr;
}
