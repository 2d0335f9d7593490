#include "core/file_error.h"

#include <cerrno>
#include <cstring>

namespace cn3 {

std::string FileError::Because(std::string_view phrase) {
    const int code = errno;
    std::string text(phrase);
    if (code != 0) text += std::string(" (") + std::strerror(code) + ")";
    return text;
}

}  // namespace cn3
