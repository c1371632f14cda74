#pragma once

#include <optional>
#include <string>
#include <vector>

#include "statistics/DataPage.h"
#include "statistics/Regression.h"

namespace zyk {

// The "Regression" page without its window: the pair field (DataPage's field), the pair list in
// the order the pairs came, the model, the results list and the constants and formula templates
// of the last calculation.
class RegressionPage : public DataPage {
public:
    // What >> hands to the calculator.
    struct FormulaInsert {
        std::string formula;
        double a;
        double b;
    };

    RegressionPage();

    std::size_t Count() const override { return m_pairs.size(); }
    const std::string& EntryText(std::size_t index) const override { return m_pairs[index]; }
    const std::vector<std::string>& Pairs() const { return m_pairs; }

    RegressionType Type() const { return m_type; }
    // A new model: the results become the information lines; constants and templates stay.
    void SetType(RegressionType type);

    // Add (button or Enter): false when the pair text is refused.
    bool Add() override;
    void Delete() override;
    void Clear() override;
    // False when a pair has no ';' (the page is then unchanged).
    bool Calculate();
    // >>: the template of the selected formula line with a and b; nothing for any other line.
    std::optional<FormulaInsert> InsertFormula() const;

    double ConstantA() const { return m_a; }
    double ConstantB() const { return m_b; }

protected:
    bool IsInsertableLine(std::size_t line) const override;
    void EmptyList() override { m_pairs.clear(); }
    void TakeLines(std::vector<std::string> lines) override;
    std::string CountLine() const override;

private:
    void RefreshInformation();

    std::vector<std::string> m_pairs;
    RegressionType m_type = RegressionType::Linear;
    double m_a = 0.0;
    double m_b = 0.0;
    std::string m_yOfXTemplate;
    std::string m_xOfYTemplate;
};

}  // namespace zyk
