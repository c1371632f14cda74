#pragma once

#include <array>
#include <optional>
#include <string_view>

// The four regression models: their codes, the type box's items, the information and formula
// texts and the formula templates that go to the calculator (Windows-1252: "\xB7" introduces a
// function or the constant e, "\xA6" brackets the named values a and b).
namespace zyk {

enum class RegressionType {
    Linear = 10001,
    Logarithmic = 10002,
    Exponential = 10003,
    Power = 10004
};

struct RegressionModel {
    RegressionType type;
    std::string_view name;       // the type box's item
    std::string_view modelLine;  // the third information line
    std::string_view yOfXText;
    std::string_view xOfYText;
    std::string_view yOfXTemplate;
    std::string_view xOfYTemplate;
    bool logX;  // X = ln x (else x)
    bool logY;  // Y = ln y (else y)
};

// In the type box's order (item index 0-3).
inline constexpr std::array<RegressionModel, 4> kRegressionModels = {{
    {RegressionType::Linear, "Linear", "Formula Used : y = a + bx", "y = a + bx", "x = (y - a) / b",
     "[y]=\xA6"
     "a\xA6+\xA6"
     "b\xA6*[x]",
     "[x]=([y]-\xA6"
     "a\xA6)/\xA6"
     "b\xA6",
     false, false},
    {RegressionType::Logarithmic, "Logarithmic", "Formula Used : y = a + b\xB7ln x",
     "y = a + b\xB7lnx",
     "x = \xB7"
     "e^((y-a)/b)",
     "[y]=\xA6"
     "a\xA6+\xA6"
     "b\xA6\xB7ln[x]",
     "[x]=\xB7"
     "e^(([y]-\xA6"
     "a\xA6)/\xA6"
     "b\xA6)",
     true, false},
    {RegressionType::Exponential, "Exponential",
     "Formula Used : y = a\xB7"
     "e^bx",
     "y = a\xB7"
     "e^bx",
     "x = (ln y - ln a) / b",
     "[y]=\xA6"
     "a\xA6\xB7"
     "e^(\xA6"
     "b\xA6*[x])",
     "[x]=(\xB7ln[y]-\xB7ln\xA6"
     "a\xA6)/\xA6"
     "b\xA6",
     false, true},
    {RegressionType::Power, "Power", "Formula Used : y = ax^b", "y = ax^b",
     "x = \xB7"
     "e^((ln y - ln a) / b)",
     "[y]=\xA6"
     "a\xA6*[x]^\xA6"
     "b\xA6",
     "[x]=\xB7"
     "e^((\xB7ln[y]-\xB7ln\xA6"
     "a\xA6)/\xA6"
     "b\xA6)",
     true, true},
}};

const RegressionModel& ModelFor(RegressionType type);
// The model of a type box item, or nothing outside 0-3.
std::optional<RegressionType> TypeOfItem(int item);
int ItemOfType(RegressionType type);
// "linear", "logarithmic", "exponential" or "power", in any case (the console's names).
std::optional<RegressionType> TypeNamed(std::string_view name);

}  // namespace zyk
