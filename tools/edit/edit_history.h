// Undo and redo without limit: every edit done is kept, and a new edit after
// some undos drops the ones that could have been redone.
#ifndef EDIT_EDIT_HISTORY_H
#define EDIT_EDIT_HISTORY_H

#include <vector>

#include "edit_ops.h"

struct EditHistory {
    std::vector<EditOp> done;
    std::vector<EditOp> undone;
};

// Does the edit and keeps it; an edit that changes nothing is not kept.
bool ApplyEdit(EditHistory* history, MapDocument* document, const EditOp& op);
// Keeps an edit already done on the document, as a drag is.
void KeepEdit(EditHistory* history, const EditOp& op);
bool UndoEdit(EditHistory* history, MapDocument* document);
bool RedoEdit(EditHistory* history, MapDocument* document);

#endif
