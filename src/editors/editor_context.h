#pragma once

#include <QString>

class GameText;
class Platform;
class RomFile;

// What an editor needs from the main window when the tree opens it. Editors
// include this, not the table of all editors, so the table alone knows them all.
struct EditorContext {
    RomFile& rom;
    GameText& text;
    Platform& platform;
    // The current text of the main window's ROM name box, for the editor's caption.
    QString romName;
};
