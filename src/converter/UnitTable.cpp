#include "converter/UnitTable.h"

namespace zyk {

bool IsUnitPosition(int position) {
    return position >= 0 && position < kUnitPositionCount &&
           kUnitTable[static_cast<std::size_t>(position)].kind == UnitPositionKind::Unit;
}

std::vector<int> ToListPositions(int fromPosition) {
    std::vector<int> positions;
    if (!IsUnitPosition(fromPosition)) {
        return positions;
    }
    const UnitGroup group = kUnitTable[static_cast<std::size_t>(fromPosition)].group;
    for (int position = 0; position < kUnitPositionCount; ++position) {
        if (position != fromPosition && IsUnitPosition(position) &&
            kUnitTable[static_cast<std::size_t>(position)].group == group) {
            positions.push_back(position);
        }
    }
    return positions;
}

}  // namespace zyk
