#pragma once

#include "editors/editor_table.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <span>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class Platform;
class TextBox;

// The main window: the facts of the open ROM image, the File and Help menus and
// the tree that opens the editors. It owns the one open ROM file.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // tableFile: full path of the character table file; a missing one ends the
    // program inside the constructor (Form_Load), before the window shows.
    Form1(Platform& platform, QString tableFile, QWidget* parent = nullptr);
    ~Form1() override;

    // The open dialog's filter list, in the common dialog's form, and the filter
    // preselected (counting from 1).
    static constexpr const char* OpenFilter =
        "All Files (*.*)|*.*|All SNES ROM Files (*.swc, *.smc, *.fig)|*.smc;*.swc;*.fig|"
        "Super MagiCom ROM File (*.smc)|*.smc|Super Wild Card ROM File (*.swc)|*.swc|"
        "Super UFO 8/Pro Fighter X ROM File (*.fig)|*.fig";
    static constexpr int OpenFilterIndex = 2;

    void LoadROM();
    void CloseROM();
    void SaveROM();
    void LoadROMFileSize(const QString& path);
    void LoadROMIName();
    void LoadROMVersion();
    void SaveROMVersion();

    const RomFile& rom() const { return rom_; }

    // The editors the tree opens, in compare order; editorTable() unless a test
    // puts its own openers here.
    void setEditorTable(std::span<const EditorEntry> table) { editors_ = table; }

protected:
    // The close box ends the program like Quit.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void Form_Load();
    void LoadTree();
    // LoadROMIName and LoadROMVersion, telling a read that failed in them.
    void loadHeader();
    void Tree_NodeClick();
    void ExpandCHK_Click(bool checked);
    // Every node in index order; with yield, one turn of the message loop after each.
    void setNodesExpanded(bool expanded, bool yield);
    [[noreturn]] void EndProgram(int status);

    Platform& platform_;
    RomFile rom_;
    GameText gameText_;
    std::span<const EditorEntry> editors_;

    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    TextBox* iROMName = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* ROMVersionLBL = nullptr;
    TextBox* ROMVersionTXT = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* ROMFileSizeLBL = nullptr;
    QPushButton* OpenCMD = nullptr;
    QPushButton* QuitCMD = nullptr;
    QTreeWidget* Tree = nullptr;
    QCheckBox* ExpandCHK = nullptr;
    QLabel* InfoIMG = nullptr;
    QLabel* InfoLBL = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuClose = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuQuit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuTips = nullptr;
    QAction* mnuInfo = nullptr;
    QAction* mnuWWW = nullptr;

    // The read failure of the header's last load, while Save would write back
    // what it could not read; empty when it loaded well.
    QString headerUnread_;

    // the tree's nodes in the order LoadTree added them
    QList<QTreeWidgetItem*> nodes_;
};
