#pragma once

#include "workspace/platform.h"

class QFileDialog;

// The platform layer of the real program: Qt's message box, open dialog, desktop
// services and clipboard.
class QtPlatform : public Platform {
public:
    void messageBox(const QString& text, const QString& caption, Icon icon) override;
    std::optional<QString> openFileDialog(const QString& filter, int selectedFilter) override;
    [[noreturn]] void endProgram(int status) override;
    void openWebPage(const QString& url) override;
    void setClipboardText(const QString& text) override;
};

// Sets up an open dialog with the filter list ("Shown|patterns|...") and the
// preselected filter (counting from 1). Apart from openFileDialog, tests use it.
void configureOpenDialog(QFileDialog& dialog, const QString& filter, int selectedFilter);
