// One recomputation of the worksheet: reads the controls afresh, solves the span and
// rewrites the results text, the temperature-effect grid, the loading results and the drawn
// results table, then raises Program::onRecomputed. Does nothing until the worksheet-edited
// flag is set.
#pragma once

#include <string>

#include "forms/program.h"

namespace cn3 {

void Recompute(Program& program);

// Records that `message` was said for the present selection, so that a recomputation that
// stops with the same message for the same selection does not say it again.
void NoteStopMessageSaid(Program& program, const std::string& message);

}  // namespace cn3
