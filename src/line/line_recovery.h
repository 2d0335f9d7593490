// The pole line's recovery file: while the line in the "Pole Line" window differs from its
// file (line_files.h), what the window holds is kept in the data folder as
// "catenova-<process id>.line-recovery", beside the worksheet's (files/crash_recovery.h), and
// written, removed and offered as that one is (files/recovery_file.h). It holds what was
// typed, a cell that cannot be read too: the grid's cell texts in the display units they were
// typed under, that unit system, the default clearance, the installation choice, the tension
// entry and the line file's path, as JSON:
//
//   {"format": "catenova-line-recovery", "version": 1, "line_file": "/home/me/run.cnl",
//    "units": "english" | "metric", "default_clearance": "15.5",
//    "installation": "worksheet_sag" | "tension", "tension": "",
//    "poles": [["P1", "100", "24", "150", ""], ["P2", "16x5", "24", "", ""]]}
//
// Whatever makes the line what its file holds removes it (Save, Save As, New, the window
// closed letting the line go, the line typed back as it was); so does a clean exit. The window
// keeps one; a run without a window neither writes nor offers any.
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

#include "files/recovery_file.h"
#include "forms/program.h"
#include "line/line_session.h"

namespace cn3::line {

inline constexpr std::string_view kLineRecoverySuffix = ".line-recovery";

// From now on the pole line is kept in the line recovery file of the process `pid`.
void KeepLineRecoveryFile(Program& program, long pid);

// Brings the line recovery file up to date with the window: written when the line differs from
// its file and has changed since the last write, at most once per kRecoveryInterval; removed
// once it no longer differs. Cheap enough to run a few times a second.
void KeepLine(LineSession& session, std::chrono::steady_clock::time_point now);

// At start-up, after the worksheet's offer: offers each line recovery file left behind, newest
// first, with "Catenova did not close normally. Restore the pole line you had not saved (<date
// and time>)?". Yes opens the window (`openWindow` makes and shows it) with the grid and the
// entries as they were typed (written again in the program's units when it now shows the
// other system), under the line file it had; the line is compared with what that file now
// holds, so it shows " (modified)" unless it is what the file holds. It becomes this process's
// line recovery file; the files after it wait for the next start. No sets the file aside,
// renamed with ".declined"; so is a file that cannot be read, said once in a message. True when
// a line was restored.
bool OfferLineRecovery(Program& program, const std::function<LineSession&()>& openWindow,
                       const std::function<bool(long)>& running = ProcessRunning);

}  // namespace cn3::line
