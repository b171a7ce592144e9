#pragma once

#include <QString>
#include <span>

class GameText;
class Platform;
class RomFile;

// What an editor needs from the main window when the tree opens it.
struct EditorContext {
    RomFile& rom;
    GameText& text;
    Platform& platform;
    // The current text of the main window's ROM name box, for the editor's caption.
    QString romName;
};

// Shows one editor modally and returns when it closes.
using EditorOpener = void (*)(const EditorContext&);

struct EditorEntry {
    const char* nodeText;
    EditorOpener open; // null while that editor does not exist yet
};

// The editors of the tree, in the order a clicked node's text is compared with them.
std::span<const EditorEntry> editorTable();
