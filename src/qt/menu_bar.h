// The main window's menu bar, in the usual order, built from the command table: every entry
// runs its command as the page button or key does.
//   File: New, Open..., Open Recent, Save, Save As..., Print Report..., Cable List...,
//         Help Text..., Export Report as PDF..., Exit
//   Edit: Undo, Redo
//   Tools: Pole Line...
//   Help: Catenova Help, About Catenova
// New, Undo and Redo are the command table's slots: hidden (and the Edit menu with them) until
// their rows in app/commands.cpp name an operation. "Open Recent" lists the recent files
// (files/recent_files.h) each time it opens; an entry opens its file by the path "Open" takes.
#pragma once

#include <QMainWindow>

#include "forms/program.h"

namespace cn3::qt {

void BuildMenuBar(QMainWindow* window, Program& program);

}  // namespace cn3::qt
