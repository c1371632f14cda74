#pragma once

#include "statistics/RegressionPage.h"
#include "statistics/ui/CStatPage.h"

class QComboBox;

namespace zyk {

// "Regression": x;y pairs go into the pair list in the order typed; the type box chooses the
// model; Calculate fills the results list with a, b, r and the two formulas; >> hands a selected
// formula with a and b to the calculator.
class CPageRegression : public CStatPage {
    Q_OBJECT

public:
    explicit CPageRegression(StatisticsWindowContext& context, QWidget* parent = nullptr);

    RegressionPage& Regression() { return m_regression; }
    QComboBox& TypeBox() { return *m_type; }

protected:
    void BuildOwnControls(const DialogUnitMapper& units) override;
    void AddCommand() override;
    void CalculateCommand() override;
    void InsertCommand() override;
    void ApplyOwnRowColours(bool tinted) override;

private:
    void TypeChosen(int item);

    RegressionPage m_regression;
    QComboBox* m_type = nullptr;
};

}  // namespace zyk
