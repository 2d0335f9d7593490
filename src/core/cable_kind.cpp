#include "core/cable_kind.h"

namespace cn3 {

CableKind CableKindOf(std::string_view name) {
    auto contains = [name](std::string_view fragment) {
        return name.find(fragment) != std::string_view::npos;
    };
    if (contains("VM")) return kDropKind;
    if (contains("EHS") || contains("HTL")) return kStrandKind;
    if (name.starts_with('P') || name.starts_with('C')) return contains("M") ? 11 : 1;
    if (name.starts_with("LX")) return contains("M") ? 12 : 2;
    if (name.starts_with("ORF")) return contains("SS") ? 13 : 3;
    return kNoKind;
}

}  // namespace cn3
