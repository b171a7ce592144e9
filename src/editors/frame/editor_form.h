#pragma once

#include "editors/editor_context.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QMap>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// The window every editor is made of: caption, content, progress bar, and along
// the bottom the info strip and the buttons Apply and Cancel. A subclass lays
// out its controls in contentArea() and writes its record in apply().
//
// Neither button is a default or cancel button: Enter and Escape press nothing.
// Cancel and the window's close box close without writing. A write that fails
// during Apply is told in one message, and the window stays open; so is an
// image changed on disk, and then nothing is written. A read that fails while a
// record loads is told too, and Apply writes nothing until that record loads
// again with reads working: it would write the zeros shown back. A combo box
// takes the mouse wheel only while it has the focus, and Tab reaches an option
// group at its checked option.
class EditorForm : public QDialog {
    Q_OBJECT
public:
    // The caption is title + the ROM name, set once: title ends in " - ".
    EditorForm(const QString& title, const EditorContext& context, QWidget* parent = nullptr);

protected:
    // Writes the shown record. Runs on ApplyCMD after the focused box's correction,
    // and never while a previous Apply is still running.
    virtual void apply() = 0;

    // The area above the progress bar and the bottom strip; give it a layout.
    QWidget* contentArea() const { return content_; }
    // The hint beside the info icon; without one the strip shows neither.
    void setInfoText(const QString& text);
    void setQuitCaption(const QString& caption);
    // `pbar`, made on first use, so a window without fills has none. Hidden except
    // during a fill; its place is kept so the fixed-size window never jumps.
    QProgressBar* progressBar();
    // Runs the leaving rule of the numeric box that holds the focus, since Apply
    // can be reached without the focus leaving it.
    void commitFocusedBox();
    // The tab order, first control to last; the window opens with the focus on
    // the first, so no key pressed at once reaches Apply.
    void setTabChain(std::initializer_list<QWidget*> chain);

    // Runs load, which shows what Apply writes of part (a window of one record
    // has part 0 alone), and tells a read that failed in it. The part stays
    // unread, and Apply refused, until a load of it reads well. The loads made
    // before the window shows are told once, as it shows.
    void loadChecked(const std::function<void()>& load, int part = 0);
    // Whether Apply as the window stands writes what the part loaded.
    virtual bool appliesTo(int part) const;

    RomFile& rom() const { return context_.rom; }
    GameText& text() const { return context_.text; }
    Platform& platform() const { return context_.platform; }

    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    QPushButton* const ApplyCMD;
    QPushButton* const QuitCMD;

private:
    void runApply();
    // Gathers the window's exclusive option groups and puts each one's Tab stop
    // on its checked option, now and whenever a check or the focus moves.
    void watchOptionGroups();
    static void placeTabStop(const QList<QAbstractButton*>& group);

    EditorContext context_;
    QWidget* firstFocus_ = nullptr;
    QVBoxLayout* frame_;
    QWidget* content_;
    QHBoxLayout* bottom_;
    QLabel* infoIcon_ = nullptr;
    QLabel* infoText_ = nullptr;
    QProgressBar* bar_ = nullptr;
    bool applying_ = false;
    bool closeAfterApply_ = false;
    QHash<QAbstractButton*, QList<QAbstractButton*>> optionGroups_;
    // The message of each part loaded unread.
    QMap<int, QString> unread_;
    QString heldNotice_; // the first failure of the loads before the window shows
};
