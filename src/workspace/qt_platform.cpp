#include "workspace/qt_platform.h"

#include "workspace/file_filter.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>
#include <unistd.h>

namespace {

QMessageBox::Icon messageIcon(Platform::Icon icon) {
    switch (icon) {
    case Platform::Icon::Exclamation:
        return QMessageBox::Warning;
    case Platform::Icon::Question:
        return QMessageBox::Question;
    case Platform::Icon::Critical:
        return QMessageBox::Critical;
    case Platform::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

void QtPlatform::messageBox(const QString& text, const QString& caption, Icon icon) {
    QMessageBox box(messageIcon(icon), caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void configureOpenDialog(QFileDialog& dialog, const QString& filter, int selectedFilter) {
    // Qt's own dialog: a native one may show the patterns and ignore HideNameFilterDetails.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = qtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (selectedFilter >= 1 && selectedFilter <= filters.size())
        dialog.selectNameFilter(filters[selectedFilter - 1]);
}

std::optional<QString> QtPlatform::openFileDialog(const QString& filter, int selectedFilter) {
    QFileDialog dialog(QApplication::activeWindow());
    configureOpenDialog(dialog, filter, selectedFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// The program ends "at once" from inside a handler, and the caller must
// not go on, so there is no return to the event loop. exit() would run static
// destructors while the QApplication and the windows on main's stack still live;
// _exit() does not. Nothing is lost: every ROM write went through pwrite and is
// already in the kernel, which closes the file as the process ends.
void QtPlatform::endProgram(int status) {
    std::fflush(nullptr);
    ::_exit(status);
}

void QtPlatform::openWebPage(const QString& url) {
    // a page that cannot be opened shows nothing
    QDesktopServices::openUrl(QUrl(url));
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}
