// Writes a PNG of each window in a given state into the folder named on the
// command line, so the windows can be looked at without a display:
//   QT_QPA_PLATFORM=offscreen screenshots DIR
// To add a window, add a row to shots() below.

#include "workspace/about_box.h"
#include "workspace/main_window.h"
#include "workspace/platform.h"
#include "workspace/qt_platform.h"
#include "workspace/rom_header.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Answers the open dialog with the sample ROM and shows no message box.
class ScriptedPlatform : public Platform {
public:
    QString romPath;

    void messageBox(const QString& text, const QString& caption, Icon) override {
        std::fprintf(stderr, "message box \"%s\": %s\n", qPrintable(caption), qPrintable(text));
    }
    std::optional<QString> openFileDialog(const QString&, int) override { return romPath; }
    [[noreturn]] void endProgram(int status) override {
        std::fprintf(stderr, "the program would end here with status %d\n", status);
        std::exit(2);
    }
    void openWebPage(const QString&) override {}
    void setClipboardText(const QString&) override {}
};

// A sample headered image: zeros, with an internal name and a version byte.
QByteArray sampleRomImage() {
    QByteArray image(524800, '\0');
    const QByteArray name = QByteArray("KALDRIS").leftJustified(RomHeader::NameLength, ' ');
    image.replace(RomHeader::NameOffset, name.size(), name);
    image[static_cast<qsizetype>(RomHeader::VersionOffset)] = 1;
    return image;
}

struct Workspace {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    QString tablePath;
};

// Shows the window, lets it lay out and paint, and grabs it.
QPixmap grabShown(QWidget& window) {
    window.show();
    QTest::qWait(50);
    return window.grab();
}

// The platform layer's open dialog on the sample folder; with filterList, the
// list of filters opened instead of the dialog.
QPixmap grabOpenDialog(Workspace& ws, int selectedFilter, bool filterList) {
    QFileDialog dialog;
    configureOpenDialog(dialog, QString::fromLatin1(Form1::OpenFilter), selectedFilter);
    dialog.setDirectory(ws.dir.path());
    dialog.show();
    QTest::qWait(300); // the file list is read in the background
    if (!filterList)
        return dialog.grab();
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    combo->showPopup();
    QTest::qWait(50);
    return combo->view()->window()->grab();
}

struct Shot {
    const char* file;
    std::function<QPixmap(Workspace&)> take;
};

std::vector<Shot> shots() {
    return {
        {"main_closed.png",
         [](Workspace& ws) {
             Form1 form(ws.platform, ws.tablePath);
             return grabShown(form);
         }},
        {"main_open.png",
         [](Workspace& ws) {
             Form1 form(ws.platform, ws.tablePath);
             form.show();
             form.LoadROM();
             return grabShown(form);
         }},
        {"main_file_menu.png",
         [](Workspace& ws) {
             Form1 form(ws.platform, ws.tablePath);
             form.LoadROM();
             auto* menu = form.findChild<QMenu*>(QStringLiteral("mnuFile"));
             menu->popup(QPoint(0, 0));
             return grabShown(*menu);
         }},
        {"main_help_menu.png",
         [](Workspace& ws) {
             Form1 form(ws.platform, ws.tablePath);
             auto* menu = form.findChild<QMenu*>(QStringLiteral("mnuHelp"));
             menu->popup(QPoint(0, 0));
             return grabShown(*menu);
         }},
        {"about.png",
         [](Workspace& ws) {
             About about(ws.platform);
             return grabShown(about);
         }},
        {"open_dialog.png", [](Workspace& ws) { return grabOpenDialog(ws, 2, false); }},
        {"open_dialog_all_files.png", [](Workspace& ws) { return grabOpenDialog(ws, 1, false); }},
        {"open_dialog_filter_list.png", [](Workspace& ws) { return grabOpenDialog(ws, 2, true); }},
    };
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    Workspace ws;
    if (!ws.dir.isValid())
        return 1;
    ws.tablePath = ws.dir.filePath(QStringLiteral("vx.tbl"));
    ws.platform.romPath = ws.dir.filePath(QStringLiteral("kaldris.smc"));
    QFile table(ws.tablePath);
    QFile rom(ws.platform.romPath);
    if (!table.open(QIODevice::WriteOnly) || !rom.open(QIODevice::WriteOnly) ||
        rom.write(sampleRomImage()) != 524800)
        return 1;
    table.close();
    rom.close();
    // a file without a dot and one in upper case, for the open dialog's filters
    QFile(ws.dir.filePath(QStringLiteral("README"))).open(QIODevice::WriteOnly);
    QFile(ws.dir.filePath(QStringLiteral("BACKUP.SMC"))).open(QIODevice::WriteOnly);

    int failures = 0;
    for (const Shot& shot : shots()) {
        const QString path = QDir(outDir).filePath(QString::fromLatin1(shot.file));
        if (shot.take(ws).save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
