// The free-format item reader of the catalogue file: items are separated by commas or line
// ends, a text item may stand in double quotes, blanks around an unquoted item are dropped.
// Blank lines between items are skipped, and a comma at a line end only separates (it does
// not make an empty item). The reader works on 8-bit lines and knows which line it is on, so
// every fault can name it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cn3 {

class ItemReader {
  public:
    // Starts at line index `firstLine` (0-based) of `lines`.
    ItemReader(const std::vector<std::string>& lines, std::size_t firstLine);

    // The next item's text, or nothing at the end of the file.
    std::optional<std::string> next();
    // 1-based number of the line the last item came from (or of the last line at the end).
    int lineNumber() const { return static_cast<int>(itemLine_) + 1; }
    // Index of the first line after the last item's line: where whole-line reading goes on.
    std::size_t nextLineIndex() const;

  private:
    const std::vector<std::string>* lines_;
    std::size_t line_;
    std::size_t column_ = 0;
    std::size_t itemLine_;
};

// A whole item read as a decimal number ("12", "-3.5", ".25", "1e-6"); nothing otherwise.
std::optional<double> ParseDecimal(std::string_view item);

}  // namespace cn3
