// The editor's shared state and what every change to the document sets off.
#include "editor.h"

Editor g_editor;

bool HasUnsavedChanges(void)
{
    return BytesToSave(g_editor.document, g_editor.opened) != g_editor.savedBytes;
}

void DocumentChanged(void)
{
    g_editor.checks = CheckMap(g_editor.document);
    g_editor.openFaults.clear();
    g_editor.quitAsked = false;
}

void SetStatus(const std::string& text)
{
    g_editor.status = text;
}
