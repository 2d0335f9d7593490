// The role a cable can play, told from letters in its name. Exact, case-sensitive tests in
// this order, first match wins:
//   contains "VM" -> 4 drop; contains "EHS" or "HTL" -> 0 strand;
//   starts "P"/"C" -> 1 (11 if it contains "M"); starts "LX" -> 2 (12 if "M");
//   starts "ORF" -> 3 (13 if it contains "SS"); otherwise 255.
// Codes above 10 are cables that carry themselves (integrated messengers).
#pragma once

#include <cstdint>
#include <string_view>

namespace cn3 {

using CableKind = std::uint8_t;

inline constexpr CableKind kStrandKind = 0;
inline constexpr CableKind kDropKind = 4;
inline constexpr CableKind kUserDefinedKind = 5;
inline constexpr CableKind kNoKind = 255;

CableKind CableKindOf(std::string_view name);

// A cable that carries itself: an integrated messenger (11 to 13), or a name of no kind (255),
// which counts as one.
inline bool IsSelfSupporting(CableKind kind) {
    return kind > 10;
}

// A cable other cables can be lashed to: a strand or a self-supporting cable. At most one is
// selected.
inline bool IsSupport(CableKind kind) {
    return kind == kStrandKind || IsSelfSupporting(kind);
}

// A cable that can carry the span: a support, or a drop cable (which hangs alone).
inline bool CarriesSpan(CableKind kind) {
    return IsSupport(kind) || kind == kDropKind;
}

}  // namespace cn3
