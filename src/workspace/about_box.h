#pragma once

#include <QDialog>
#include <QString>

class LinkLabel;
class Platform;
class QLabel;
class QPushButton;

// The About box: the program's name, version and dates, a disclaimer and the
// two links to the maker's pages. Shown modally by the main window's Help menu.
class About : public QDialog {
    Q_OBJECT
public:
    explicit About(Platform& platform, QWidget* parent = nullptr);

    // The seven lines of ProgramInfoLBL, joined by CR LF.
    static QString programInfoText();

private:
    void Form_Load();

    Platform& platform_;
    QLabel* Image1 = nullptr;
    QLabel* ProgramInfoLBL = nullptr;
    QLabel* WarningLBL = nullptr;
    LinkLabel* URLLBL = nullptr;
    LinkLabel* ForumLBL = nullptr;
    QPushButton* CloseCMD = nullptr;
};
