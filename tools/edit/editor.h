// The editor's state: the document and its file, the history, the palette
// choice, the mouse, and the checks of the current board.
#ifndef EDIT_EDITOR_H
#define EDIT_EDITOR_H

#include <string>

#include "edit_clipboard.h"
#include "edit_history.h"
#include "map_checks.h"

// The panel beside the 640 x 480 game frame.
const int PANEL_X = 640;
const int PANEL_WIDTH = 240;

enum { DRAG_NONE, DRAG_PAINT, DRAG_RECT, DRAG_SELECT, DRAG_BELT };

struct Editor {
    MapDocument document;
    OpenedMap opened;
    EditHistory history;
    std::string path;
    std::string savedBytes;  // what the file holds now, to tell unsaved changes
    MapChecks checks;
    std::vector<MapCheck> openFaults;  // of the bytes as opened, until the first edit
    int choice;                        // palette entry
    int hoverPalette;                  // -1 when the mouse is not on the palette
    CellPos mouse;                     // board cell under the mouse, or off the board
    int drag;
    bool dragErases;
    CellPos dragFrom;
    CellPos lastPainted;
    EditOp stroke;
    bool hasSelection;
    CellPos selectFrom;
    CellPos selectTo;
    MapClip clip;
    bool grid;
    bool quitAsked;
    bool recoveryOffered;
    std::string status;
    unsigned int lastAutosave;
};

extern Editor g_editor;

bool HasUnsavedChanges(void);
// After every change: the checks again, and the opening faults forgotten.
void DocumentChanged(void);
void SetStatus(const std::string& text);

#endif
