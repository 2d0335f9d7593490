#include "line/line_session.h"

#include "line/line_files.h"
#include "line/wire_line_events.h"

namespace cn3::line {

LineSession::LineSession(Program& p) : program(p), shownUnits(p.units) {
    WireLineEvents(*this);
    ShowNewLine(*this);
}

LineSession::~LineSession() {
    *alive = nullptr;
}

}  // namespace cn3::line
