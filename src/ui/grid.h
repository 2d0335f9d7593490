// A grid of text cells: row and column counts, fixed rows and columns, column widths, row
// heights (twips), column alignment, a current cell, row insertion and removal, a click, and
// for a grid the user types into, the edit of a cell. A cell may be marked (a value that
// cannot be read, a result that fails): the view shows it red, and whoever marks it says why
// in words elsewhere, so the mark is never the only sign.
// Cell texts keep the LF CR heading break as it is; the view shows it as a line break.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/event.h"

namespace cn3::ui {

enum class Align { Left, Center, Right };

class Grid : public Control {
  public:
    static constexpr int kDefaultRowHeight = 240;  // twips
    static constexpr int kDefaultColWidth = 960;

    int rows() const { return static_cast<int>(cells_.size()); }
    int cols() const { return cols_; }
    // Growing adds empty rows (default height); shrinking drops rows from the end.
    void setRows(int count);
    void setCols(int count);

    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setFixedRows(int n) {
        fixedRows_ = n;
        notify();
    }
    void setFixedCols(int n) {
        fixedCols_ = n;
        notify();
    }

    int colWidth(int col) const { return colWidths_.at(col); }
    void setColWidth(int col, int twips) {
        colWidths_.at(col) = twips;
        notify();
    }
    int rowHeight(int row) const { return rowHeights_.at(row); }
    void setRowHeight(int row, int twips) {
        rowHeights_.at(row) = twips;
        notify();
    }
    Align colAlignment(int col) const { return aligns_.at(col); }
    void setColAlignment(int col, Align a) {
        aligns_.at(col) = a;
        notify();
    }

    // Out-of-range reads give an empty text; writes outside the grid are ignored.
    const std::string& text(int row, int col) const;
    void setText(int row, int col, std::string text);

    // Inserts a row at `index` (default: at the end) whose cells are the TAB-separated items.
    void addItem(std::string_view tabSeparated, int index = -1);
    void removeItem(int index);
    // Removes every row, keeping the columns.
    void clear() {
        cells_.clear();
        marks_.clear();
        rowHeights_.clear();
        notify();
    }

    // Marks stay with their cells when rows are inserted or removed; setText keeps them.
    bool marked(int row, int col) const;
    void setMarked(int row, int col, bool on);
    void clearMarks();

    int row() const { return row_; }
    int col() const { return col_; }
    void setCurrent(int row, int col) {
        row_ = row;
        col_ = col;
    }

    Event<> onClick;
    // What the view raises when the user clicks a cell.
    void click(int row, int col) {
        setCurrent(row, col);
        onClick();
    }

    Event<int, int> onCellEdited;
    // What an editable view raises when the user has typed a cell: the text, then the event.
    void editCell(int row, int col, std::string text) {
        setText(row, col, std::move(text));
        onCellEdited(row, col);
    }

  private:
    std::vector<std::vector<std::string>> cells_;
    std::vector<std::vector<bool>> marks_;  // as cells_
    std::vector<int> rowHeights_;
    std::vector<int> colWidths_;
    std::vector<Align> aligns_;
    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    int row_ = 0;
    int col_ = 0;
};

}  // namespace cn3::ui
