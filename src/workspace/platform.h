#pragma once

#include "workspace/program_info.h"

#include <QString>
#include <optional>

// What the editor takes from the operating system. The windows talk to this,
// never to the toolkit's dialogs directly, so tests can script every answer.
class Platform {
public:
    enum class Icon { Information, Exclamation, Question, Critical };

    virtual ~Platform() = default;

    // Shows a modal message with one OK button and returns when it is dismissed.
    virtual void messageBox(const QString& text, const QString& caption, Icon icon) = 0;
    // A failure the user must know of, under the program's own caption.
    void critical(const QString& text) {
        messageBox(text, QString::fromLatin1(ProgramInfo::AppTitle), Icon::Critical);
    }

    // filter is in the "Shown|patterns|Shown|patterns" form; selectedFilter counts from 1.
    // Returns the chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFileDialog(const QString& filter, int selectedFilter) = 0;

    // Ends the program at once; nothing after this call runs.
    [[noreturn]] virtual void endProgram(int status) = 0;

    virtual void openWebPage(const QString& url) = 0;
    virtual void setClipboardText(const QString& text) = 0;
};
