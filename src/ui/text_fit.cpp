#include "ui/text_fit.h"

#include <algorithm>
#include <utility>

namespace cn3::ui {

double FitText(ui::Surface& surface, std::string_view text, double width, double smallest) {
    const double start = surface.fontSize();
    const double wide = surface.textWidth(text);
    if (wide <= width || wide <= 0) return start;
    double size = std::max(smallest, start * width / wide);
    surface.setFontSize(size);
    // Widths are not quite proportional to the size on a real device: step down to a fit
    // (a hundredth of a twip over is rounding, not a misfit).
    while (size > smallest && surface.textWidth(text) > width + 0.01) {
        size = std::max(smallest, size - 0.1);
        surface.setFontSize(size);
    }
    surface.setFontSize(start);
    return size;
}

namespace {

// The length in bytes of the UTF-8 character that starts at text[i].
size_t CharLength(std::string_view text, size_t i) {
    size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    return n;
}

// The longest head of the word (at least one character) no wider than the width.
size_t FittingHead(const ui::Surface& surface, std::string_view word, double width) {
    size_t end = CharLength(word, 0);
    while (end < word.size()) {
        const size_t next = end + CharLength(word, end);
        if (surface.textWidth(word.substr(0, next)) > width) break;
        end = next;
    }
    return end;
}

}  // namespace

std::vector<std::string> WrapText(const ui::Surface& surface, std::string_view text,
                                  double width) {
    if (surface.textWidth(text) <= width) return {std::string(text)};  // kept as typed
    std::vector<std::string> lines;
    std::string line;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        size_t end = text.find(' ', i);
        if (end == std::string_view::npos) end = text.size();
        std::string_view word = text.substr(i, end - i);
        i = end;
        const std::string joined = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (surface.textWidth(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty()) lines.push_back(std::exchange(line, {}));
        // A column squeezed to nothing still takes a character a line, and ends.
        while (!word.empty() && surface.textWidth(word) > width) {
            const size_t head = FittingHead(surface, word, width);
            lines.emplace_back(word.substr(0, head));
            word.remove_prefix(head);
        }
        line = std::string(word);
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

}  // namespace cn3::ui
