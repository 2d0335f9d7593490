// The recovery file: while the worksheet differs from its file, its span record is kept in the
// data folder, so a crash, a killed process or a power cut loses at most about a second of
// typing. The file is "catenova-<process id>.recovery": the record's 940 bytes followed by the
// worksheet's file name. Each process writes only its own, so two programs started in the
// same data folder never overwrite each other's. Save, a new worksheet and a clean exit remove
// it; a file left behind by a process that is no longer running is offered at the next start.
// The window keeps one; a run without a window neither writes nor offers any. What every
// recovery file shares (the name, the write, the left files and their offer) is in
// recovery_file.h.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "files/recovery_file.h"
#include "forms/program.h"

namespace cn3 {

inline constexpr std::string_view kWorksheetRecoverySuffix = ".recovery";

// The worksheet's recovery file of the process `pid` in the data folder.
std::string RecoveryFilePath(const std::string& dataFolder, long pid);

// From now on the worksheet is kept in the recovery file of the process `pid`.
void KeepRecoveryFile(Program& program, long pid);

// Brings the status bar and the recovery file up to date with the worksheet: written
// atomically when the worksheet differs from its file and has changed since the last write,
// at most once per kRecoveryInterval; removed once the worksheet no longer differs. Cheap
// enough to run a few times a second.
void KeepWorksheet(Program& program, std::chrono::steady_clock::time_point now);

// Removes this process's recovery file, if it wrote one.
void DiscardRecoveryFile(Program& program);

// At start-up: offers each recovery file left behind, newest first, with "Catenova did not
// close normally. Restore the worksheet you had not saved (<date and time>)?". Yes restores
// it as "Open" does, under the file name it had, as a worksheet that differs from that file
// (it becomes this process's recovery file); the files after it wait for the next start. No
// sets the file aside, renamed with ".declined". True when a worksheet was restored.
bool OfferRecovery(Program& program, const std::function<bool(long)>& running = ProcessRunning);

}  // namespace cn3
