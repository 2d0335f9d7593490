// The bundle plot window ("Cable Bundle Plot"), not modal: the plot form's drawing area and
// its "Close" button. The drawing area's surface is installed at once, sized as the window's
// drawing area, so the plot is drawn to the right scale.
#pragma once

#include <QWidget>

#include "forms/plot_form.h"

namespace cn3::qt {

class PlotWindow : public QWidget {
  public:
    // The drawing area: 5 x 5 inches at the screen's logical DPI.
    explicit PlotWindow(PlotForm& form, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    PlotForm& form_;
};

}  // namespace cn3::qt
