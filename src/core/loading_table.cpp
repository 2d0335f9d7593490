#include "core/loading_table.h"

namespace cn3 {

// Counts characters, not bytes: names are UTF-8 inside the program, so a cut never splits
// a character in two.
std::string LoadingName13(std::string_view name) {
    constexpr int kLength = 13;
    std::string result;
    int characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter) {
            if (characters == kLength) break;
            ++characters;
        }
        result += name[i];
    }
    result.append(static_cast<std::size_t>(kLength - characters), ' ');
    return result;
}

}  // namespace cn3
