#include "core/item_reader.h"

#include <charconv>

namespace cn3 {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

ItemReader::ItemReader(const std::vector<std::string>& lines, std::size_t firstLine)
    : lines_(&lines), line_(firstLine), itemLine_(firstLine) {}

std::optional<std::string> ItemReader::next() {
    // Find the start of the next item, moving over blanks, line ends and blank lines.
    while (true) {
        if (line_ >= lines_->size()) {
            itemLine_ = lines_->empty() ? 0 : lines_->size() - 1;
            return std::nullopt;
        }
        const std::string& text = (*lines_)[line_];
        while (column_ < text.size() && isBlank(text[column_])) ++column_;
        if (column_ < text.size()) break;
        ++line_;
        column_ = 0;
    }
    const std::string& text = (*lines_)[line_];
    itemLine_ = line_;
    std::string item;
    if (text[column_] == '"') {
        const std::size_t close = text.find('"', column_ + 1);
        const std::size_t end = close == std::string::npos ? text.size() : close;
        item = text.substr(column_ + 1, end - column_ - 1);
        // Whatever stands between the closing quote and the next comma is not part of it.
        const std::size_t comma =
            close == std::string::npos ? std::string::npos : text.find(',', close);
        column_ = comma == std::string::npos ? text.size() : comma;
    } else {
        const std::size_t comma = text.find(',', column_);
        const std::size_t end = comma == std::string::npos ? text.size() : comma;
        item = text.substr(column_, end - column_);
        while (!item.empty() && isBlank(item.back())) item.pop_back();
        column_ = end;
    }
    if (column_ < text.size()) ++column_;  // over the comma
    if (column_ >= text.size()) {
        ++line_;
        column_ = 0;
    }
    return item;
}

std::size_t ItemReader::nextLineIndex() const {
    // The rest of the last item's line is not read as a line of its own.
    return itemLine_ + 1 > line_ ? itemLine_ + 1 : line_;
}

std::optional<double> ParseDecimal(std::string_view item) {
    std::size_t i = 0;
    if (i < item.size() && (item[i] == '+' || item[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    std::size_t j = i;
    for (; j < item.size(); ++j) {
        if (item[j] >= '0' && item[j] <= '9') {
            digits = true;
        } else if (item[j] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    if (j < item.size() && (item[j] == 'e' || item[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < item.size() && (item[k] == '+' || item[k] == '-')) ++k;
        const std::size_t exponentStart = k;
        while (k < item.size() && item[k] >= '0' && item[k] <= '9') ++k;
        if (k == exponentStart) return std::nullopt;
        j = k;
    }
    if (j != item.size()) return std::nullopt;
    const bool minus = item.front() == '-';
    std::string_view unsignedPart = item.substr(i);
    double value = 0.0;
    const auto result =
        std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value);
    if (result.ec != std::errc() || result.ptr != unsignedPart.data() + unsignedPart.size()) {
        return std::nullopt;
    }
    return minus ? -value : value;
}

}  // namespace cn3
