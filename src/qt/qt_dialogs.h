// The program's dialogs as Qt message boxes, input dialog and file dialogs. Every box is
// titled with the main window's title, as the program's own boxes are.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "ui/dialogs.h"

namespace cn3::qt {

// "Catenova3 Files (*.cn3)|*.cn3" (description|pattern pairs) as Qt's name filter list
// "Catenova3 Files (*.cn3)"; a description without its patterns gets them appended.
QString QtFileFilter(std::string_view filter);

class QtDialogs : public ui::Dialogs {
  public:
    // `title` gives the title of the boxes when they open (the main window's caption).
    explicit QtDialogs(std::function<std::string()> title) : title_(std::move(title)) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    std::string input(std::string_view prompt, std::string_view title,
                      std::string_view defaultAnswer) override;
    std::optional<std::string> openFile(const ui::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const ui::FileDialogRequest& request) override;

  private:
    QString boxTitle() const;

    std::function<std::string()> title_;
    QWidget* parent_ = nullptr;
};

}  // namespace cn3::qt
