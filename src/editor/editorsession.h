#pragma once

#include "editorslots.h"
#include "searchstate.h"

// Run-wide editor state shared by the editor windows.
struct EditorSession {
    EditorSlots windows;
    // PrintCharSize: the printer font size, re-read from the settings when an editor window loads.
    int printCharSize = 10;
    // The search settings of find and replace, for whichever editor window is active.
    SearchState search;
};
