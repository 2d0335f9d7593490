// The command table (app/commands.h) in Qt: a command's keys as key sequences, its shortcuts
// on a window and its menu action. All of them run the command as its page button does.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QWidget>

#include "app/commands.h"

namespace cn3::qt {

// The command's portable key texts as key sequences; empty for none.
QList<QKeySequence> CommandKeys(const CommandEntry& command);

// One window shortcut per key of the command, named "<name>Shortcut" (the first) and
// "<name>Shortcut2" ...; none for a slot without an operation.
void AddCommandShortcuts(QWidget* window, Program& program, Command id);

// The command's menu action, named "<name>Action": its text with the first key shown beside
// it, its tip, enabled while its page button is, hidden while the command is a slot. The keys
// themselves belong to the window shortcuts, so that a key is bound once.
QAction* CommandAction(QObject* parent, Program& program, Command id);

}  // namespace cn3::qt
