// The undo and redo stacks of the editor.
#include "edit_history.h"

bool ApplyEdit(EditHistory* history, MapDocument* document, const EditOp& op)
{
    if (EditIsEmpty(op)) {
        return false;
    }
    DoEdit(document, op);
    KeepEdit(history, op);
    return true;
}

void KeepEdit(EditHistory* history, const EditOp& op)
{
    if (!EditIsEmpty(op)) {
        history->done.push_back(op);
        history->undone.clear();
    }
}

// Moves the newest edit of one stack to the other, undoing or redoing it.
static bool MoveNewest(std::vector<EditOp>* from, std::vector<EditOp>* to, MapDocument* document,
                       void (*apply)(MapDocument*, const EditOp&))
{
    if (from->empty()) {
        return false;
    }
    apply(document, from->back());
    to->push_back(from->back());
    from->pop_back();
    return true;
}

bool UndoEdit(EditHistory* history, MapDocument* document)
{
    return MoveNewest(&history->done, &history->undone, document, UndoEditOp);
}

bool RedoEdit(EditHistory* history, MapDocument* document)
{
    return MoveNewest(&history->undone, &history->done, document, DoEdit);
}
