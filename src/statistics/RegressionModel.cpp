#include "statistics/RegressionModel.h"

#include <algorithm>
#include <cctype>

namespace zyk {

const RegressionModel& ModelFor(RegressionType type) {
    return kRegressionModels[static_cast<std::size_t>(ItemOfType(type))];
}

std::optional<RegressionType> TypeOfItem(int item) {
    if (item < 0 || item >= static_cast<int>(kRegressionModels.size())) {
        return std::nullopt;
    }
    return kRegressionModels[static_cast<std::size_t>(item)].type;
}

int ItemOfType(RegressionType type) {
    const auto found =
        std::find_if(kRegressionModels.begin(), kRegressionModels.end(),
                     [type](const RegressionModel& model) { return model.type == type; });
    return found == kRegressionModels.end() ? 0
                                            : static_cast<int>(found - kRegressionModels.begin());
}

std::optional<RegressionType> TypeNamed(std::string_view name) {
    for (const RegressionModel& model : kRegressionModels) {
        const bool same = std::equal(name.begin(), name.end(), model.name.begin(), model.name.end(),
                                     [](char left, char right) {
                                         return std::tolower(static_cast<unsigned char>(left)) ==
                                                std::tolower(static_cast<unsigned char>(right));
                                     });
        if (same) {
            return model.type;
        }
    }
    return std::nullopt;
}

}  // namespace zyk
