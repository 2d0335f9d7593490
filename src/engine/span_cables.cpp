#include "engine/span_cables.h"

#include "core/cable_kind.h"

namespace cn3 {

std::variant<SpanCables, UnknownCable> ReadSpanCables(const CableTable& table,
                                                      const std::vector<std::string>& names) {
    SpanCables cables;
    cables.count = static_cast<int>(names.size());
    CableKind kind = kNoKind;
    for (const auto& name : names) {
        const auto row = table.find(name);
        if (!row) return UnknownCable{name};
        kind = CableKindOf(name);
        if (IsSupport(kind) || cables.count == 1) cables.supportRow = *row;
        if (IsSelfSupporting(kind)) cables.integrated = true;
        cables.totalWeight = static_cast<float>(double(cables.totalWeight) +
                                                table.number(*row, field::kWeightPerLength));
    }
    cables.drop = cables.count > 0 && kind == kDropKind;
    return cables;
}

SupportCable ReadSupportCable(const CableTable& table, int row) {
    SupportCable s;
    s.name = table.rows.at(static_cast<size_t>(row))[field::kName];
    s.weight = static_cast<float>(table.number(row, field::kWeightPerLength));
    s.stiffness = static_cast<float>(table.number(row, field::kAxialStiffness));
    s.breakingStrength = static_cast<float>(table.number(row, field::kRatedBreakingStrength));
    s.thermalCoefficient = static_cast<float>(table.number(row, field::kThermalCoefficient));
    return s;
}

}  // namespace cn3
