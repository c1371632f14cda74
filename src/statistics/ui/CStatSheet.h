#pragma once

#include <memory>

#include "shell/ui/COptionSheet.h"
#include "statistics/ui/StatisticsWindowContext.h"

namespace zyk {

class CPageRegression;
class CPageStatistics;

// "Statistic Calculations...": the statistics tool window, a sheet without a button row over the
// "Standard Deviation" and "Regression" pages. The first page is made with the window, so the
// window opens on it. Esc, Enter on the page list, the close box and the pages' Close items hide
// it; its lists and results stay.
class CStatSheet : public COptionSheet {
    Q_OBJECT

public:
    explicit CStatSheet(const StatisticsWindowContext& context, QWidget* parent = nullptr);
    ~CStatSheet() override;

    CPageStatistics& StatisticsPage() { return *m_statistics; }
    CPageRegression& RegressionPage() { return *m_regression; }

private:
    std::unique_ptr<UserMessages> m_ownMessages;
    StatisticsWindowContext m_context;
    CPageStatistics* m_statistics;
    CPageRegression* m_regression;
};

}  // namespace zyk
