// The loading window ("Set Ice / Wind Loadings") bound to the loading form: district options,
// user-loading ticks, the heading with its unit labels, the 5 x 5 cells, save and close.
// It runs modally; the form's runModal and closeModal are pointed at it.
#pragma once

#include <QDialog>
#include <array>

#include "forms/loading_form.h"

namespace cn3::qt {

class LoadingDialog : public QDialog {
  public:
    LoadingDialog(LoadingForm& form, QWidget* parent = nullptr);

  protected:
    // The arrow keys move between the user loadings' cells.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    LoadingForm& form_;
    std::array<QWidget*, 25> cells_{};
};

}  // namespace cn3::qt
