// The editor's files: the map it edits, a pack folder's next free map name,
// and the autosave in the player's data folder that outlives a crash.
#ifndef EDIT_EDITOR_FILES_H
#define EDIT_EDITOR_FILES_H

#include <string>

// A folder names a stage pack: its first missing mapN.map, so stages stay
// numbered without a gap. Anything else is the map's own path.
std::string ChooseMapPath(const std::string& argument);

// Opens the map at g_editor.path, or starts a new walled board if there is none.
void OpenEditorMap(void);
// Saves to g_editor.path, warning in the status line about faults.
bool SaveEditorMap(void);

// Every 30 s while there are unsaved changes.
void AutosaveIfDue(unsigned int now);
// After a crash the autosave of this same map is waiting: say so.
void OfferRecovery(void);
void RestoreAutosave(void);
// A clean exit leaves no autosave behind.
void RemoveAutosave(void);

std::string DataFolder(void);
// A program built beside the editor (sim, solve).
std::string ToolBeside(const char* name);

#endif
