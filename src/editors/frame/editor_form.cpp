#include "editors/frame/editor_form.h"

#include "editors/frame/numeric_box.h"
#include "workspace/pictures.h"
#include "workspace/platform.h"
#include "workspace/program_info.h"
#include "workspace/rom_file.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

namespace {

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QPixmap infoPixmap(const QStyle& style) {
    QPixmap picture;
    if (picture.load(QString::fromLatin1(Pictures::InfoIcon)))
        return picture;
    return style.standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16);
}

} // namespace

EditorForm::EditorForm(const QString& title, const EditorContext& context, QWidget* parent)
    : QDialog(parent), ApplyCMD(makeButton(QStringLiteral("Apply"), "ApplyCMD", this)),
      QuitCMD(makeButton(QStringLiteral("Cancel"), "QuitCMD", this)), context_(context),
      frame_(new QVBoxLayout(this)), content_(new QWidget(this)), bottom_(new QHBoxLayout) {
    setWindowTitle(ProgramInfo::titleText(title + context.romName));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    setFont(font);

    frame_->addWidget(content_);
    bottom_->addStretch();
    bottom_->addWidget(ApplyCMD);
    bottom_->addWidget(QuitCMD);
    frame_->addLayout(bottom_);
    frame_->setSizeConstraint(QLayout::SetFixedSize);

    connect(ApplyCMD, &QPushButton::clicked, this, &EditorForm::runApply);
    connect(QuitCMD, &QPushButton::clicked, this, &EditorForm::close);
}

void EditorForm::setInfoText(const QString& text) {
    if (!infoText_) {
        infoIcon_ = new QLabel(this);
        infoIcon_->setObjectName(QStringLiteral("InfoIMG"));
        infoIcon_->setPixmap(infoPixmap(*style()));
        infoIcon_->setFixedSize(16, 16);
        infoIcon_->setAccessibleName(QStringLiteral("Information"));
        infoText_ = new QLabel(this);
        infoText_->setObjectName(QStringLiteral("InfoLBL"));
        bottom_->insertWidget(0, infoIcon_);
        bottom_->insertWidget(1, infoText_);
    }
    infoText_->setText(text);
    infoIcon_->setVisible(!text.isEmpty());
    infoText_->setVisible(!text.isEmpty());
}

void EditorForm::setQuitCaption(const QString& caption) {
    QuitCMD->setText(caption);
}

QProgressBar* EditorForm::progressBar() {
    if (!bar_) {
        bar_ = new QProgressBar(this);
        bar_->setObjectName(QStringLiteral("pbar"));
        bar_->setAccessibleName(QStringLiteral("Loading"));
        bar_->setMinimum(0);
        bar_->setTextVisible(false);
        QSizePolicy policy = bar_->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        bar_->setSizePolicy(policy);
        bar_->hide();
        frame_->insertWidget(frame_->indexOf(content_) + 1, bar_);
    }
    return bar_;
}

void EditorForm::commitFocusedBox() {
    if (auto* box = qobject_cast<NumericBox*>(focusWidget()))
        box->correct();
}

void EditorForm::setTabChain(std::initializer_list<QWidget*> chain) {
    QWidget* previous = nullptr;
    for (QWidget* next : chain) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    firstFocus_ = chain.size() > 0 ? *chain.begin() : nullptr;
}

void EditorForm::loadChecked(const std::function<void()>& load, int part) {
    rom().takeReadFailure(); // a list fill's: no row name is written back
    load();
    const QString failure = rom().takeReadFailure();
    if (failure.isEmpty()) {
        unread_.remove(part);
        return;
    }
    const QString notice = failure + QStringLiteral(" The values shown are not the file's; Apply "
                                                    "is refused until they load again.");
    unread_.insert(part, notice);
    if (isVisible())
        platform().critical(notice);
    else if (heldNotice_.isEmpty())
        heldNotice_ = notice;
}

bool EditorForm::appliesTo(int) const {
    return true;
}

void EditorForm::setVisible(bool visible) {
    QDialog::setVisible(visible);
    // To the user the opening is one load: one message, over the window it is about.
    if (visible && !heldNotice_.isEmpty())
        platform().critical(std::exchange(heldNotice_, {}));
}

void EditorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A wheel turned on the way across a combo (scrolling the list beside it)
    // would change its row unseen, and Apply would write it: only a combo the
    // user works in, by click or key, takes the wheel.
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        combo->setFocusPolicy(Qt::StrongFocus);
        combo->installEventFilter(this);
    }
    if (optionGroups_.isEmpty())
        watchOptionGroups();
    if (firstFocus_ && !event->spontaneous())
        firstFocus_->setFocus(Qt::OtherFocusReason);
}

void EditorForm::watchOptionGroups() {
    for (QAbstractButton* option : findChildren<QAbstractButton*>()) {
        if (!option->isCheckable() || optionGroups_.contains(option))
            continue;
        QList<QAbstractButton*> group;
        if (const QButtonGroup* buttons = option->group()) {
            if (buttons->exclusive())
                group = buttons->buttons();
        } else if (option->autoExclusive() && option->parentWidget()) {
            for (auto* sibling : option->parentWidget()->findChildren<QAbstractButton*>(
                     Qt::FindDirectChildrenOnly)) {
                if (sibling->isCheckable() && sibling->autoExclusive() && !sibling->group())
                    group.append(sibling);
            }
        }
        if (group.size() < 2)
            continue;
        for (QAbstractButton* member : group) {
            optionGroups_.insert(member, group);
            member->installEventFilter(this);
            connect(member, &QAbstractButton::toggled, this,
                    [this, member] { placeTabStop(optionGroups_.value(member)); });
        }
        placeTabStop(group);
    }
}

void EditorForm::placeTabStop(const QList<QAbstractButton*>& group) {
    // Qt keeps the stop on whichever option last had the focus, unchecked or
    // not, and a Space there would change what Apply writes.
    QAbstractButton* stop = nullptr;
    for (QAbstractButton* option : group) {
        if (option->isChecked())
            stop = option;
    }
    for (QAbstractButton* option : group) {
        if (!stop && option->isEnabled())
            stop = option;
    }
    if (!stop)
        stop = group.first();
    for (QAbstractButton* option : group) {
        const Qt::FocusPolicy policy = option->focusPolicy();
        option->setFocusPolicy(option == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

bool EditorForm::eventFilter(QObject* watched, QEvent* event) {
    // An option takes the stop when it gets the focus; it goes back to the
    // checked one as the focus leaves, and follows the enabling of the group.
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::EnabledChange) {
        if (auto* option = qobject_cast<QAbstractButton*>(watched);
            option && optionGroups_.contains(option))
            placeTabStop(optionGroups_.value(option));
    }
    if (event->type() == QEvent::Wheel) {
        if (auto* combo = qobject_cast<QComboBox*>(watched); combo && !combo->hasFocus()) {
            event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditorForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void EditorForm::closeEvent(QCloseEvent* event) {
    // A close asked for while Apply runs (its list reload yields to the event
    // loop) waits until the record is written.
    if (applying_) {
        closeAfterApply_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void EditorForm::runApply() {
    if (applying_)
        return;
    // A file replaced, deleted or cut short on disk gets nothing; the edits stay
    // in the window so they can be applied once the image is opened again.
    if (const QString change = rom().changeOnDisk(); !change.isEmpty()) {
        platform().critical(change);
        return;
    }
    for (auto part = unread_.cbegin(); part != unread_.cend(); ++part) {
        if (appliesTo(part.key())) {
            platform().critical(part.value());
            return;
        }
    }
    {
        const QScopedValueRollback<bool> running(applying_, true);
        rom().takeWriteFailure(); // told by whatever wrote before
        commitFocusedBox();
        apply();
    }
    // One message for the whole Apply, however many of its writes failed.
    if (const QString failure = rom().takeWriteFailure(); !failure.isEmpty())
        platform().critical(failure);
    if (closeAfterApply_) {
        closeAfterApply_ = false;
        close();
    }
}
