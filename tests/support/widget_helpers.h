#pragma once

#include <QDir>
#include <QTest>
#include <QWidget>

// Header only: the support library links no widgets, the window tests do.

// Shows a window and waits until it is active, so focus moves as on a desktop.
inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Gives a widget the focus and leaves the caret where it was: a Tab would
// select the whole text of a line edit.
inline bool focusBox(QWidget& box) {
    box.setFocus(Qt::OtherFocusReason);
    return box.hasFocus();
}

// Saves the window's picture as name.png in $KALDRIS_GRAB_DIR, to check its
// layout by eye; does nothing when the variable is unset.
inline void grabIfAsked(QWidget& window, const QString& name) {
    const QString dir = qEnvironmentVariable("KALDRIS_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(window.grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}
