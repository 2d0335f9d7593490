// A grid model shown as a QTableWidget: fixed rows and columns drawn as headings inside the
// table (the grid's own headings are text cells of the model), multi-line headings, column
// widths and row heights from the model's twips at the screen's logical DPI (a column is
// widened when its widest text would not fit), and alignment.
//
// The grid grows with its place in the window: its type and its columns and rows grow alike,
// up to one and a half times, as far as the room allows (the width; and the height, in a grid
// that shows all its rows); what room is left goes to the columns, and in a grid that shows
// all its rows to the rows as well, each in proportion to its own size.
// It is never narrower than its columns need, and never narrower than it once was, so the
// controls beside it stay put from one listing to the next.
//
// Each heading cell's tooltip is its column's whole heading on one line. A marked cell (a
// failing result) has a red background; its text says the same in words.
//
// A click on a cell below the fixed rows goes to the model's click event. From the keyboard
// the grid is a stop of the Tab chain; the arrow and Page keys move the current cell, and
// Enter or Space acts as a click on it.
//
// Start-up and family listings write hundreds of cells one by one, so the table is rebuilt
// once after the model settles (on the next turn of the event loop, or when asked).
#pragma once

#include <QTableWidget>
#include <vector>

#include "ui/grid.h"

namespace cn3::qt {

// A column's alignment as Qt aligns a cell, centred vertically.
Qt::Alignment AlignmentOf(ui::Align align);
// The background of a marked cell: a light red that black text stays readable on.
QBrush MarkBrush();

class GridView : public QTableWidget {
  public:
    GridView(ui::Grid& model, QWidget* parent = nullptr);

    // Rebuilds the table from the model now if it changed.
    void refreshNow();
    // The width and height the whole grid needs at its own sizes, in pixels.
    QSize contentSize() const;
    // A column's or row's own size in pixels, before extra room is spread over them.
    int ownColumnWidth(int col) const { return colPixels_.at(static_cast<size_t>(col)); }
    int ownRowHeight(int row) const { return rowPixels_.at(static_cast<size_t>(row)); }
    // Shows every row: never shorter than its rows need, so it never scrolls.
    void setFitHeight(bool on);
    // A grid that scrolls is never shorter than its fixed rows and this many more.
    void setMinimumRows(int rows);
    // Two grids side by side grow their type alike: by as much as the tighter of them allows.
    void shareZoomWith(GridView* other);

  protected:
    void showEvent(QShowEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void scheduleRefresh();
    void updateLimits();
    void spreadOverViewport();
    double zoomFor(QSize room) const;
    double ownZoom() const;
    int columnPixels(int col) const;
    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;

    static constexpr double kMaxZoom = 1.5;

    ui::Grid& model_;
    QFont baseFont_;  // the type at the grid's own sizes
    bool dirty_ = true;
    bool scheduled_ = false;
    bool fitHeight_ = false;
    int minimumRows_ = 6;
    int widest_ = 0;
    GridView* partner_ = nullptr;
    double lastOwnZoom_ = 0;
    std::vector<int> colPixels_;  // each column's own width, before any spreading
    std::vector<int> rowPixels_;
};

}  // namespace cn3::qt
