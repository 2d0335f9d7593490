// The program's dialogs as Qt message boxes, input dialog and file dialogs. Every message box
// has the program's name as its title, from the first-run question on (the window has no
// title yet then); an "Error - " message carries the warning icon, any other message the
// information icon.
#pragma once

#include <QString>
#include <QWidget>

#include "ui/dialogs.h"

namespace cn3::qt {

// "Catenova3 Files (*.cn3)|*.cn3" (description|pattern pairs) as Qt's name filter list
// "Catenova3 Files (*.cn3)"; a description without its patterns gets them appended.
QString QtFileFilter(std::string_view filter);

// The extension of the filter's first pattern ("cn3" of "...|*.cn3"), which the save dialog adds
// to a name typed without one; empty when that pattern names no single extension.
QString DefaultSuffix(std::string_view filter);

// The title of every message box, and of an input box given none: "Catenova".
QString BoxTitle();

class QtDialogs : public ui::Dialogs {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    ui::Answer askYesNoCancel(std::string_view text) override;
    std::string input(std::string_view prompt, std::string_view title,
                      std::string_view defaultAnswer) override;
    std::optional<std::string> openFile(const ui::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const ui::FileDialogRequest& request) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace cn3::qt
