#pragma once

#include "editors/editor_context.h"
#include "fake_platform.h"
#include "rom_fixture.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <memory>

// Works an editor window as a person does, on a synthetic ROM: rows are picked
// by a mouse click on the row (or by keys), tabs by a click on the tab, boxes
// typed into and left, buttons clicked. Nothing is set in code, so a test takes
// the path the user takes, faults and all. A control named but not found ends
// the test program with its name.
class EditorDriver {
public:
    explicit EditorDriver(const QByteArray& image = syntheticRomImage());
    ~EditorDriver();
    EditorDriver(const EditorDriver&) = delete;
    EditorDriver& operator=(const EditorDriver&) = delete;

    static inline const QString RomName = QStringLiteral("KALDRIS TEST ROM");

    // The ROM the window works on, open from the start; fixture edits made
    // before open() are what the window loads.
    RomFixture fixture;
    FakePlatform platform;
    RomFile rom;
    GameText text;

    EditorContext context() { return {rom, text, platform, RomName}; }

    // Makes the editor on this ROM, shows it and waits until it is active.
    template <class Form> Form& open() {
        auto form = std::make_unique<Form>(context());
        Form& shown = *form;
        show(std::move(form));
        return shown;
    }
    void show(std::unique_ptr<QWidget> window);
    QWidget& window() const;

    // The window's control by object name; null when there is none.
    template <class T = QWidget> T* find(const char* name) const {
        return window().findChild<T*>(QLatin1String(name));
    }

    // A mouse click on the row's rectangle, after scrolling it into view.
    void clickRow(const char* view, int row, Qt::KeyboardModifiers modifiers = {});
    // A key pressed in a control that has been clicked into (lists, boxes, tab bars).
    void pressKey(const char* control, int key, Qt::KeyboardModifiers modifiers = {});
    // A click on tab index of a tab bar (or of a tab widget's bar).
    void clickTab(const char* tabs, int index);
    // Opens the combo box's list with a click and chooses the row in it with
    // the arrow keys and Return.
    void pickCombo(const char* combo, int row);
    // Clicks into the box, erases it with Home, Shift+End and Delete, types text
    // key by key and, with leave, presses Tab so the box's leaving rule runs.
    void type(const char* box, const QString& text, bool leave = true);
    // Drags text in from another program and drops it on the middle of the
    // control; the window hands the drop to whichever control accepts it there.
    void dropText(const char* control, const QString& text);
    // A click near the left edge: an option's or check box's hit area is its
    // indicator and caption, not the whole width the layout gives it.
    void click(const char* button);
    // Turns the mouse wheel over the control by notches (positive: away from the
    // user), the pointer at its centre and the focus wherever it is.
    void wheel(const char* control, int notches);
    // Clicks the item of the popup menu that is open now.
    void pickMenuItem(const QString& item);
    void apply() { click("ApplyCMD"); }
    void cancel() { click("QuitCMD"); }

    // The whole file as it is now.
    QByteArray bytes() const { return fixture.bytes(); }

private:
    QWidget* control(const char* name) const;

    std::unique_ptr<QWidget> window_;
};
