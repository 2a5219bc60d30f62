// The editor's answers to the mouse and the keyboard.
#ifndef EDIT_EDITOR_INPUT_H
#define EDIT_EDITOR_INPUT_H

#include <windows.h>

void EditorMouse(UINT message, WPARAM flags, int x, int y);
// Keys that leave the editor (play, quit) are the caller's; true when handled here.
bool EditorKey(int key);

#endif
