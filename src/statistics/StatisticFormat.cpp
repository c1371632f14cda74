#include "statistics/StatisticFormat.h"

#include <cmath>

#include "expression/NumberFormat.h"

namespace zyk {

std::string FormatStatistic(double value, int precision) {
    if (std::isnan(value)) {
        return "nan";  // the sign of a NaN carries no meaning
    }
    if (std::isinf(value)) {
        return value > 0 ? "inf" : "-inf";
    }
    return FormatGeneral(value, precision);
}

}  // namespace zyk
