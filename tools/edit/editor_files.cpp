// Opening, saving and autosaving the edited map.
#include "editor_files.h"

#include <stdlib.h>

#include <filesystem>

#include "editor.h"

namespace fs = std::filesystem;

static const unsigned int AUTOSAVE_INTERVAL = 30000;

std::string ToolBeside(const char* name)
{
    std::error_code error;
    return (fs::read_symlink("/proc/self/exe", error).parent_path() / name).string();
}

std::string DataFolder(void)
{
    const char* data = getenv("XDG_DATA_HOME");
    if (data != NULL && data[0] != '\0') {
        return std::string(data) + "/frogpond";
    }
    const char* home = getenv("HOME");
    return std::string(home != NULL ? home : ".") + "/.local/share/frogpond";
}

static std::string AutosaveFile(void)
{
    return DataFolder() + "/edit-autosave.map";
}

static std::string AutosaveNameFile(void)
{
    return DataFolder() + "/edit-autosave.path";
}

std::string ChooseMapPath(const std::string& argument)
{
    std::error_code error;
    if (!fs::is_directory(argument, error)) {
        return argument;
    }
    for (int n = 1;; n++) {
        std::string path = (fs::path(argument) / ("map" + std::to_string(n) + ".map")).string();
        if (!fs::exists(path, error)) {
            return path;
        }
    }
}

void OpenEditorMap(void)
{
    std::string bytes;
    if (ReadFileBytes(g_editor.path, &bytes)) {
        g_editor.opened = OpenMapDocument(bytes);
        g_editor.savedBytes = bytes;
        g_editor.openFaults = MapFaults(bytes);
        SetStatus("opened " + g_editor.path);
    } else {
        g_editor.opened = OpenedMap{NewMapDocument(), ""};
        g_editor.opened.bytes = MapDocumentBytes(g_editor.opened.document);
        g_editor.savedBytes.clear();
        SetStatus("new map " + g_editor.path);
    }
    g_editor.document = g_editor.opened.document;
    g_editor.checks = CheckMap(g_editor.document);
}

bool SaveEditorMap(void)
{
    std::string bytes = BytesToSave(g_editor.document, g_editor.opened);
    if (!WriteFileBytes(g_editor.path, bytes)) {
        SetStatus("could not save " + g_editor.path);
        fprintf(stderr, "frogpond-edit: cannot write %s\n", g_editor.path.c_str());
        return false;
    }
    g_editor.savedBytes = bytes;
    int faults = CountFaults(g_editor.checks.found);
    SetStatus(faults == 0 ? "saved " + fs::path(g_editor.path).filename().string()
                          : "saved WITH " + std::to_string(faults) + " fault(s)");
    RemoveAutosave();
    return true;
}

void AutosaveIfDue(unsigned int now)
{
    if (now - g_editor.lastAutosave < AUTOSAVE_INTERVAL) {
        return;
    }
    g_editor.lastAutosave = now;
    if (!HasUnsavedChanges()) {
        return;
    }
    std::error_code error;
    fs::create_directories(DataFolder(), error);
    std::string absolute = fs::absolute(g_editor.path, error).string();
    if (!WriteFileBytes(AutosaveFile(), MapDocumentBytes(g_editor.document)) ||
        !WriteFileBytes(AutosaveNameFile(), absolute)) {
        fprintf(stderr, "frogpond-edit: cannot write the autosave in %s\n", DataFolder().c_str());
    }
}

void OfferRecovery(void)
{
    std::string name;
    std::string bytes;
    std::error_code error;
    if (!ReadFileBytes(AutosaveNameFile(), &name) || name != fs::absolute(g_editor.path, error).string() ||
        !ReadFileBytes(AutosaveFile(), &bytes) || bytes == MapDocumentBytes(g_editor.document)) {
        return;
    }
    g_editor.recoveryOffered = true;
    SetStatus("unsaved work from a crash: F9 restores it");
}

void RestoreAutosave(void)
{
    std::string bytes;
    if (!g_editor.recoveryOffered || !ReadFileBytes(AutosaveFile(), &bytes)) {
        return;
    }
    MapDocument restored = OpenMapDocument(bytes).document;
    EditOp op = PaintOp(g_editor.document, {}, EMPTY_CELL);
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            MergeEdit(&op, PaintOp(g_editor.document, {CellPos{x, y}}, restored.cells[x][y]));
        }
    }
    MergeEdit(&op, FrogOp(g_editor.document, CellPos{restored.frogColumn, restored.frogRow}));
    ApplyEdit(&g_editor.history, &g_editor.document, op);
    g_editor.recoveryOffered = false;
    DocumentChanged();
    SetStatus("autosave restored (Ctrl+Z takes it back)");
}

void RemoveAutosave(void)
{
    std::error_code error;
    fs::remove(AutosaveFile(), error);
    fs::remove(AutosaveNameFile(), error);
}
