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
    marks_.resize(static_cast<size_t>(count), std::vector<bool>(static_cast<size_t>(cols_)));
    rowHeights_.resize(static_cast<size_t>(count), kDefaultRowHeight);
    notify();
}

void Grid::setCols(int count) {
    cols_ = std::max(count, 0);
    for (auto& r : cells_) r.resize(static_cast<size_t>(cols_));
    for (auto& r : marks_) r.resize(static_cast<size_t>(cols_));
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
    marks_.insert(marks_.begin() + index, std::vector<bool>(static_cast<size_t>(cols_)));
    rowHeights_.insert(rowHeights_.begin() + index, kDefaultRowHeight);
    notify();
}

void Grid::removeItem(int index) {
    if (index < 0 || index >= rows()) return;
    cells_.erase(cells_.begin() + index);
    marks_.erase(marks_.begin() + index);
    rowHeights_.erase(rowHeights_.begin() + index);
    notify();
}

bool Grid::marked(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_) return false;
    return marks_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Grid::setMarked(int row, int col, bool on) {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_) return;
    std::vector<bool>& marks = marks_[static_cast<size_t>(row)];
    if (marks[static_cast<size_t>(col)] == on) return;
    marks[static_cast<size_t>(col)] = on;
    notify();
}

void Grid::clearMarks() {
    bool any = false;
    for (std::vector<bool>& marks : marks_) {
        any = any || std::find(marks.begin(), marks.end(), true) != marks.end();
        marks.assign(marks.size(), false);
    }
    if (any) notify();
}

}  // namespace cn3::ui
