// Which selected cable carries the span, and the load of all of them. The carrier is the
// last selected strand or integrated messenger (a name of no known kind counts as one), or
// the only cable when just one is selected. Nothing here shows a message.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/cable_table.h"

namespace cn3 {

struct SpanCables {
    int count = 0;             // cables selected
    int supportRow = 0;        // CableTable row of the carrier; 0 when none qualifies
    float totalWeight = 0.0f;  // lb/ft, summed over every selected cable
    bool integrated = false;   // some selected cable carries itself
    bool drop = false;         // the last selected cable is a drop cable
};

// A selected name that is not in the cable table.
struct UnknownCable {
    std::string name;
};

std::variant<SpanCables, UnknownCable> ReadSpanCables(const CableTable& table,
                                                      const std::vector<std::string>& names);

// The mechanical properties of the carrier, from its cable-table row.
struct SupportCable {
    std::string name;
    float weight = 0.0f;              // ws, lb/ft
    float stiffness = 0.0f;           // EA, lb
    float breakingStrength = 0.0f;    // RBS, lb
    float thermalCoefficient = 0.0f;  // alpha, per deg F
};

SupportCable ReadSupportCable(const CableTable& table, int row);

}  // namespace cn3
