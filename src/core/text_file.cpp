#include "core/text_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/raw_text_file.h"

namespace cn3 {

FileResult<std::vector<std::string>> ReadTextLines(const std::string& what,
                                                   const std::string& path) {
    auto lines = ReadRawLines(what, path);
    if (!lines) return lines.error();
    for (std::string& line : *lines) line = Latin1ToUtf8(line);
    return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
    auto lines = ReadTextLines("file", path);
    if (!lines) return std::nullopt;
    return std::move(lines.value());
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += text[i++];
            continue;
        }
        // Length of the sequence from its lead byte; a stray continuation byte counts as one.
        std::size_t length = 1;
        char32_t code = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        }
        bool valid = length > 1;
        for (std::size_t k = 1; valid && k < length; ++k) {
            // A sequence cut short, by the text's end or by a byte that cannot continue it,
            // resumes at that byte, so nothing after the broken part is lost.
            const unsigned char next =
                i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((next & 0xC0) != 0x80) {
                valid = false;
                length = k;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (valid && code >= 0x80 && code <= 0xFF) {
            out += static_cast<char>(code);
        } else {
            out += '?';
        }
        i += length;
    }
    return out;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    // The new file takes the old one's permissions: a file made read-only stays read-only.
    const auto old = std::filesystem::status(path, error);
    if (!error && std::filesystem::exists(old)) {
        std::filesystem::permissions(temporary, old.permissions(),
                                     std::filesystem::perm_options::replace, error);
    }
    error.clear();
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace cn3
