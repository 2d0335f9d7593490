// The seven pages of the main window, each built from the main form's controls and bound to
// them. Every widget is named after its control ("Grid1", "Text9_0", "Command6_3") so tests
// and tools can find it.
#pragma once

#include <QWidget>

#include "forms/main_form.h"

namespace cn3::qt {

QWidget* BuildProjectPage(MainForm& form);
QWidget* BuildCablesPage(MainForm& form);
QWidget* BuildSagTensionPage(MainForm& form);
QWidget* BuildNescPage(MainForm& form);
QWidget* BuildFilesPage(MainForm& form);
QWidget* BuildHelpPage(MainForm& form);

}  // namespace cn3::qt
