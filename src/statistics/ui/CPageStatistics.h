#pragma once

#include "statistics/StatisticsPage.h"
#include "statistics/ui/CStatPage.h"

class QLineEdit;

namespace zyk {

// "Standard Deviation": a value with a frequency goes into the sorted value list; Calculate
// fills the results list with the seven results; >> hands the selected result's number to the
// calculator.
class CPageStatistics : public CStatPage {
    Q_OBJECT

public:
    explicit CPageStatistics(StatisticsWindowContext& context, QWidget* parent = nullptr);

    StatisticsPage& Statistics() { return m_statistics; }
    QLineEdit& FrequencyField() { return *m_frequency; }

protected:
    void BuildOwnControls(const DialogUnitMapper& units) override;
    void AddCommand() override;
    void CalculateCommand() override;
    void InsertCommand() override;
    void SyncOwnControls() override;

private:
    StatisticsPage m_statistics;
    QLineEdit* m_frequency = nullptr;
};

}  // namespace zyk
