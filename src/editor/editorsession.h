#pragma once

#include "editorslots.h"

// Run-wide editor state shared by the editor windows.
struct EditorSession {
    EditorSlots windows;
    // PrintCharSize: the printer font size, re-read from the settings when an editor window loads.
    int printCharSize = 10;
};
