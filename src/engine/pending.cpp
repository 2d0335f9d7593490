// Placeholders until the span computation lands; the engine's own files replace them.
#include "engine/recompute.h"
#include "engine/worksheet_events.h"

namespace cn3 {
void Recompute(Program&) {}
void Text9_Change(Program&, int) {}
void Option1_Click(Program&) {}
void Check1_Click(Program&, int) {}
void Check2_Click(Program&) {}
void HScroll1_Change(Program&) {}
void Command5_Click(Program&) {}
void WireWorksheetEvents(Program&) {}
}  // namespace cn3
