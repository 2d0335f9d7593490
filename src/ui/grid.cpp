#include "ui/grid.h"

#include <algorithm>

#include "ui/split_fields.h"

namespace cn3::ui {

namespace {
const std::string kEmpty;
}

void Grid::setRows(int count) {
    count = std::max(count, 0);
    cells_.resize(static_cast<size_t>(count), std::vector<std::string>(static_cast<size_t>(cols_)));
    rowHeights_.resize(static_cast<size_t>(count), kDefaultRowHeight);
    notify();
}

void Grid::setCols(int count) {
    cols_ = std::max(count, 0);
    for (auto& r : cells_) r.resize(static_cast<size_t>(cols_));
    colWidths_.resize(static_cast<size_t>(cols_), kDefaultColWidth);
    aligns_.resize(static_cast<size_t>(cols_), Align::Left);
    notify();
}

const std::string& Grid::text(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_) return kEmpty;
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Grid::setText(int row, int col, std::string text) {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_) return;
    auto& cell = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
    if (cell == text) return;
    cell = std::move(text);
    notify();
}

void Grid::addItem(std::string_view tabSeparated, int index) {
    if (index < 0 || index > rows()) index = rows();
    std::vector<std::string> cells(static_cast<size_t>(cols_));
    const auto items = SplitFields(tabSeparated, "\t");
    for (size_t c = 0; c < cells.size() && c < items.size(); ++c) cells[c] = std::string(items[c]);
    cells_.insert(cells_.begin() + index, std::move(cells));
    rowHeights_.insert(rowHeights_.begin() + index, kDefaultRowHeight);
    notify();
}

void Grid::removeItem(int index) {
    if (index < 0 || index >= rows()) return;
    cells_.erase(cells_.begin() + index);
    rowHeights_.erase(rowHeights_.begin() + index);
    notify();
}

}  // namespace cn3::ui
