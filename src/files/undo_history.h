// Undo and redo of worksheet edits. The captured span record is the whole worksheet, so a step
// is the record after a finished edit: adding or removing a cable, a span entry once its field
// is left, the sag mode, the installed temperature, an option, a loading-window choice, a
// project text. Undo puts the step before back as a quiet restore (no message box, the page
// stays). New and Open start the history afresh; the user-defined cables, kept in their own
// file, are not part of it.
#pragma once

#include "forms/program.h"

namespace cn3 {

// The worksheet as it now is becomes the only step.
void StartUndoHistory(Program& program);

// An edit is finished: when the worksheet differs from the step it shows, it becomes a new
// step after it, and the steps that could have been redone are dropped.
void NoteEditFinished(Program& program);

bool CanUndo(const Program& program);
bool CanRedo(const Program& program);

// Back one step, or forward one undone step. Edits not yet noted are noted first, so undo
// takes back the typing still in a field.
void UndoEdit(Program& program);
void RedoEdit(Program& program);

}  // namespace cn3
