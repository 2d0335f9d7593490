// A grid model shown as a QTableWidget: fixed rows and columns drawn as headings inside the
// table (the grid's own headings are text cells of the model), multi-line headings, column
// widths and row heights from the model's twips at the screen's logical DPI (a column is
// widened when its widest text would not fit), and alignment.
// A click on a cell below the fixed rows goes to the model's click event.
//
// Start-up and family listings write hundreds of cells one by one, so the table is rebuilt
// once after the model settles (on the next turn of the event loop, or when asked).
#pragma once

#include <QTableWidget>

#include "ui/grid.h"

namespace cn3::qt {

class GridView : public QTableWidget {
  public:
    GridView(ui::Grid& model, QWidget* parent = nullptr);

    // Rebuilds the table from the model now if it changed.
    void refreshNow();
    // The width and height the whole grid needs, in pixels (for the layout).
    QSize contentSize() const;
    // Grows no taller than its rows need (a grid with few rows under which others stand).
    void setFitHeight(bool on);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void scheduleRefresh();
    int columnPixels(int col) const;
    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;

    ui::Grid& model_;
    bool dirty_ = true;
    bool scheduled_ = false;
    bool fitHeight_ = false;
    int widest_ = 0;
};

}  // namespace cn3::qt
