#pragma once

#include "editors/editor_context.h"

#include <span>

// Shows one editor modally and returns when it closes.
using EditorOpener = void (*)(const EditorContext&);

struct EditorEntry {
    const char* nodeText;
    EditorOpener open; // null while that editor does not exist yet
};

// The editors of the tree, in the order a clicked node's text is compared with them.
std::span<const EditorEntry> editorTable();
