#pragma once

#include <array>
#include <string_view>

// Control and menu ids of the two statistics pages, where behaviour depends on them (context
// help, the page menus).
namespace zyk::statistics_ids {

// "Standard Deviation"
inline constexpr int kFrequencyLabel = 1164;
inline constexpr int kFrequency = 1095;
inline constexpr int kTimesLabel = 1165;
inline constexpr int kValueLabel = 1166;
inline constexpr int kValue = 1134;
inline constexpr int kValueAdd = 1098;
inline constexpr int kValueDelete = 1099;
inline constexpr int kValueList = 1191;
inline constexpr int kValueResults = 1190;
inline constexpr int kValueInsert = 1112;
inline constexpr int kValueCalculate = 1106;
inline constexpr int kValueClear = 1113;
inline constexpr int kValueMenuButton = 1179;

// "Regression"
inline constexpr int kTypeLabel = 1196;
inline constexpr int kType = 1195;
inline constexpr int kPairLabel = 1197;
inline constexpr int kPair = 1133;
inline constexpr int kPairAdd = 1121;
inline constexpr int kPairDelete = 1122;
inline constexpr int kPairList = 1192;
inline constexpr int kPairResults = 1193;
inline constexpr int kPairInsert = 1194;
inline constexpr int kPairCalculate = 1131;
inline constexpr int kPairClear = 1132;
inline constexpr int kPairMenuButton = 1180;

// The page menus: Open, Save, Save As, Help, Close.
struct PageMenuIds {
    int open;
    int save;
    int saveAs;
    int help;
    int close;
};
inline constexpr PageMenuIds kValueMenu{32876, 32877, 32878, 32896, 32895};
inline constexpr PageMenuIds kPairMenu{32879, 32880, 32881, 32897, 32894};

}  // namespace zyk::statistics_ids
