#pragma once

#include "workspace/platform.h"

#include <QList>
#include <QStringList>

// Thrown by FakePlatform::endProgram so a test can see that the program would end.
struct ProgramEnded {
    int status;
};

// Records every call and answers the open dialog from a script.
class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        QString caption;
        Icon icon;
    };
    struct DialogRequest {
        QString filter;
        int selectedFilter;
    };

    void messageBox(const QString& text, const QString& caption, Icon icon) override {
        messages.append({text, caption, icon});
    }
    std::optional<QString> openFileDialog(const QString& filter, int selectedFilter) override {
        dialogRequests.append({filter, selectedFilter});
        if (dialogAnswers.isEmpty())
            return std::nullopt;
        return dialogAnswers.takeFirst();
    }
    [[noreturn]] void endProgram(int status) override {
        endStatuses.append(status);
        throw ProgramEnded{status};
    }
    void openWebPage(const QString& url) override { openedPages.append(url); }
    void setClipboardText(const QString& text) override { clipboard = text; }

    QList<Message> messages;
    QList<DialogRequest> dialogRequests;
    // Each open dialog takes the first answer; an empty list or nullopt is a cancel.
    QList<std::optional<QString>> dialogAnswers;
    QList<int> endStatuses;
    QStringList openedPages;
    QString clipboard;
};
